#include "frmMain.h"

#include "cellaccessibility.h"
#include "designfont.h"
#include "eventprocedure.h"
#include "frmAbout.h"
#include "frmHowit.h"
#include "frmHowto.h"
#include "generation.h"
#include "generatorform.h"
#include "runtimeerror.h"
#include "secretcopy.h"
#include "ui_frmMain.h"

#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>

#include <array>

using keymint::CellCount;
using keymint::RunTimeError;

namespace
{

constexpr Qt::WindowFlags MainWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// The main window's controls as a press of "Generate" sees them.
class GeneratorControls final : public keymint::GeneratorForm
{
public:
    GeneratorControls(QDialog &form, Ui::frmMain &ui) : m_ui(ui)
    {
        // The twenty hidden character cells, char1 first.
        for (int cell = 1; cell <= CellCount; ++cell)
            m_cells[cell - 1] = form.findChild<QLabel *>(QStringLiteral("char%1").arg(cell));
    }

    std::int16_t check1Value() override
    {
        switch (m_ui.Check1->checkState()) {
        case Qt::Unchecked:
            return 0;
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            break;
        }
        return 2;
    }
    std::string cellCaption(int cell) override { return this->cell(cell)->text().toStdString(); }
    void setCellCaption(int cell, const std::string &caption) override
    {
        this->cell(cell)->setText(QString::fromStdString(caption));
    }
    std::int32_t slider1Value() override { return m_ui.Slider1->value(); }
    void setText1Text(const std::string &text) override
    {
        m_ui.Text1->setText(QString::fromStdString(text));
    }

private:
    QLabel *cell(int cell) const
    {
        QLabel *label = m_cells.at(cell - 1);
        if (!label)
            throw RunTimeError(91, "Object variable or With block variable not set");
        return label;
    }

    Ui::frmMain &m_ui;
    std::array<QLabel *, CellCount> m_cells{};
};

} // namespace

frmMain::frmMain(const keymint::FormServices &services, QWidget *parent)
    : QDialog(parent, MainWindowFlags), ui(std::make_unique<Ui::frmMain>()), m_services(services),
      m_howto([this] { return new frmHowto(m_services); }),
      m_howit([this] { return new frmHowit(m_services); }),
      m_about([this] { return new frmAbout(m_services); })
{
    keymint::keepCharacterCellsFromScreenReaders();
    ui->setupUi(this);
    keymint::applyDesignFontSize(this);
    keymint::mirrorForRightToLeft(this);
    m_generatorControls = std::make_unique<GeneratorControls>(*this, *ui);

    connectClick(ui->Command1, &frmMain::Command1_Click);
    connectClick(ui->cmdHowto, &frmMain::cmdHowto_Click);
    connectClick(ui->cmdHowit, &frmMain::cmdHowit_Click);
    connectClick(ui->cmdAbout, &frmMain::cmdAbout_Click);
    connectClick(ui->cmdExit, &frmMain::cmdExit_Click);
    // The keyboard's way to save: Ctrl+S in the password box does what a double-click does.
    auto save = new QShortcut(QKeySequence::Save, ui->Text1);
    save->setContext(Qt::WidgetShortcut);
    connect(save, &QShortcut::activated, this, [this] { run(&frmMain::Text1_DblClick); });
    // A password copied out of the box asks clipboard managers to keep no copy of it.
    keymint::markCopiesSecret(ui->Text1);

    m_mouseMoveProcedures = {
        {ui->Command1, &frmMain::Command1_MouseMove}, {ui->Text1, &frmMain::Text1_MouseMove},
        {ui->Slider1, &frmMain::Slider1_MouseMove},   {ui->Check1, &frmMain::Check1_MouseMove},
        {ui->cmdHowto, &frmMain::cmdHowto_MouseMove}, {ui->cmdHowit, &frmMain::cmdHowit_MouseMove},
        {ui->cmdAbout, &frmMain::cmdAbout_MouseMove}, {ui->cmdExit, &frmMain::cmdExit_MouseMove},
        {ui->lbl2, &frmMain::lbl2_MouseMove},         {ui->lblinfo, &frmMain::lblinfo_MouseMove},
    };
    // Hints follow the mouse with no button held, too. The filter also sees the slider's clicks
    // and the password box's double-clicks.
    setMouseTracking(true);
    for (const auto &[control, procedure] : m_mouseMoveProcedures) {
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }

    ui->Text1->setFocus();
    run(&frmMain::Form_Load);
}

frmMain::~frmMain() = default;

void frmMain::Form_Load()
{
    showSliderValue();
}

void frmMain::Command1_Click()
{
    keymint::generatePassword(*m_generatorControls, *m_services.random);
}

void frmMain::Slider1_Click()
{
    showSliderValue();
}

void frmMain::Text1_DblClick()
{
    const auto failure = m_services.passwordList->appendLine(ui->Text1->text());
    if (failure) {
        // Nothing is lost: the password stays in the box and the program goes on.
        m_services.messages->error(
            this, tr("Password Not Added"),
            tr("Your password could not be added to your password list,\n%1:\n\n%2")
                .arg(QDir::toNativeSeparators(failure->filePath), failure->reason));
        return;
    }
    m_services.messages->information(
        this, tr("Password Added"),
        tr("Your password has been added to the end of your password list."));
}

void frmMain::cmdHowto_Click()
{
    m_howto.show();
}

void frmMain::cmdHowit_Click()
{
    m_howit.show();
}

void frmMain::cmdAbout_Click()
{
    m_about.show();
}

void frmMain::cmdExit_Click()
{
    m_services.end->endProgram(EXIT_SUCCESS);
}

void frmMain::Form_MouseMove()
{
    showHint(QString());
}

void frmMain::Command1_MouseMove()
{
    showHint(tr("Generate a password!"));
}

void frmMain::Text1_MouseMove()
{
    showHint(tr("Copy new password from here"));
}

void frmMain::Slider1_MouseMove()
{
    showHint(tr("Select the number of characters to generate"));
}

void frmMain::Check1_MouseMove()
{
    showHint(tr("Determines whether numbers are used as well"));
}

void frmMain::cmdHowto_MouseMove()
{
    showHint(tr("Click here for How To information"));
}

void frmMain::cmdHowit_MouseMove()
{
    showHint(tr("Click here to see how it's done"));
}

void frmMain::cmdAbout_MouseMove()
{
    showHint(tr("Learn about the program"));
}

void frmMain::cmdExit_MouseMove()
{
    showHint(tr("Exit Tumblekey"));
}

void frmMain::lbl2_MouseMove()
{
    showHint(QString());
}

void frmMain::lblinfo_MouseMove()
{
    showHint(QString());
}

void frmMain::showHint(const QString &hint)
{
    ui->lblinfo->setText(hint);
}

void frmMain::showSliderValue()
{
    ui->lbl2->setText(QString::number(ui->Slider1->value()));
}

void frmMain::run(Procedure procedure)
{
    keymint::runEventProcedure(this, m_services, [this, procedure] { (this->*procedure)(); });
}

void frmMain::connectClick(QAbstractButton *button, Procedure procedure)
{
    connect(button, &QAbstractButton::clicked, this, [this, procedure] { run(procedure); });
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // A mouse move over a control with a procedure of its own. The control still gets the
    // move: the slider and the buttons need it while a mouse button is held.
    if (event->type() == QEvent::MouseMove) {
        for (const auto &[control, procedure] : m_mouseMoveProcedures) {
            if (watched == control)
                run(procedure);
        }
    }
    // A click on the slider: by the release the slider already stands at its new value.
    // The slider still gets the release, to finish a drag.
    if (watched == ui->Slider1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        run(&frmMain::Slider1_Click);
    // A double-click on the password box: the box first selects as usual, then the list
    // gets the password.
    if (watched == ui->Text1 && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        static_cast<QObject *>(ui->Text1)->event(event);
        run(&frmMain::Text1_DblClick);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmMain::mouseMoveEvent(QMouseEvent *event)
{
    // Qt passes on to the window the moves that a child ignores, those over the directions
    // frame among them; only the window's own free surface clears the hint.
    if (childAt(event->position().toPoint()) == nullptr)
        run(&frmMain::Form_MouseMove);
    QDialog::mouseMoveEvent(event);
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    // The main window is no dialog to be dismissed: Esc does nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
