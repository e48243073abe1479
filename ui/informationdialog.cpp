#include "informationdialog.h"

#include "designfont.h"
#include "eventprocedure.h"

#include <QPushButton>

namespace
{

constexpr Qt::WindowFlags DialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

} // namespace

InformationDialog::InformationDialog(const keymint::FormServices &services)
    : QDialog(nullptr, DialogFlags), m_services(services)
{
    // However it closes, a dialog is unloaded: the next show builds it again from its design.
    setAttribute(Qt::WA_DeleteOnClose);
}

void InformationDialog::finishLoading(QPushButton *command1)
{
    keymint::applyDesignFontSize(this);
    keymint::mirrorForRightToLeft(this);
    connect(command1, &QPushButton::clicked, this,
            [this] { keymint::runEventProcedure(this, m_services, [this] { Command1_Click(); }); });
}

void InformationDialog::Command1_Click()
{
    close();
}
