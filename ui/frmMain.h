#pragma once

#include "services.h"

#include <QDialog>

#include <memory>

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

private:
    // Event procedures.
    void Form_Load();
    void Command1_Click();
    void Slider1_Click();
    void Text1_DblClick();

    void run(void (frmMain::*procedure)());
    void showSliderValue();

    std::unique_ptr<Ui::frmMain> ui;
    keymint::FormServices m_services;
    std::unique_ptr<keymint::GeneratorForm> m_generatorControls;
};
