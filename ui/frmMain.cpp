#include "frmMain.h"

#include "eventprocedure.h"
#include "generation.h"
#include "generatorform.h"
#include "runtimeerror.h"
#include "ui_frmMain.h"

#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>

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
    : QDialog(parent, MainWindowFlags), ui(std::make_unique<Ui::frmMain>()), m_services(services)
{
    ui->setupUi(this);
    // Designer files hold whole point sizes only; the window's 8.25 points reach every control,
    // which keeps its own weight.
    QFont designFont = font();
    designFont.setPointSizeF(8.25);
    setFont(designFont);
    m_generatorControls = std::make_unique<GeneratorControls>(*this, *ui);

    connect(ui->Command1, &QPushButton::clicked, this, [this] { run(&frmMain::Command1_Click); });
    ui->Slider1->installEventFilter(this);
    ui->Text1->installEventFilter(this);
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
        this, QStringLiteral("Password Added"),
        QStringLiteral("Your password has been added to the end of your password list."));
}

void frmMain::showSliderValue()
{
    ui->lbl2->setText(QString::number(ui->Slider1->value()));
}

void frmMain::run(void (frmMain::*procedure)())
{
    keymint::runEventProcedure(this, m_services, [this, procedure] { (this->*procedure)(); });
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
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

void frmMain::keyPressEvent(QKeyEvent *event)
{
    // The main window is no dialog to be dismissed: Esc does nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
