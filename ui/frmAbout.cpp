#include "frmAbout.h"

#include "ui_frmAbout.h"

frmAbout::frmAbout(const keymint::FormServices &services)
    : InformationDialog(services), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    finishLoading(ui->Command1);
}

frmAbout::~frmAbout() = default;
