#pragma once

#include "defaultinstance.h"
#include "services.h"

#include <QDialog>

#include <memory>
#include <vector>

class QAbstractButton;

namespace Ui
{
class frmMain;
}

namespace keymint
{
class GeneratorForm;
}

// The main window. A QDialog, so that Enter presses "Generate" unless another command button
// has the focus; Esc, which would close a dialog, is ignored.
class frmMain : public QDialog
{
    Q_OBJECT

public:
    explicit frmMain(const keymint::FormServices &services, QWidget *parent = nullptr);
    ~frmMain() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    using Procedure = void (frmMain::*)();

    // Event procedures.
    void Form_Load();
    void Command1_Click();
    void Slider1_Click();
    void Text1_DblClick();
    void cmdHowto_Click();
    void cmdHowit_Click();
    void cmdAbout_Click();
    void cmdExit_Click();
    void Form_MouseMove();
    void Command1_MouseMove();
    void Text1_MouseMove();
    void Slider1_MouseMove();
    void Check1_MouseMove();
    void cmdHowto_MouseMove();
    void cmdHowit_MouseMove();
    void cmdAbout_MouseMove();
    void cmdExit_MouseMove();
    void lbl2_MouseMove();
    void lblinfo_MouseMove();

    void run(Procedure procedure);
    void connectClick(QAbstractButton *button, Procedure procedure);
    void showSliderValue();
    void showHint(const QString &hint);

    std::unique_ptr<Ui::frmMain> ui;
    keymint::FormServices m_services;
    std::unique_ptr<keymint::GeneratorForm> m_generatorControls;
    // The controls with a mouse-move procedure of their own.
    std::vector<std::pair<QWidget *, Procedure>> m_mouseMoveProcedures;
    DefaultInstance m_howto;
    DefaultInstance m_howit;
    DefaultInstance m_about;
};
