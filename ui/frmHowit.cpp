#include "frmHowit.h"

#include "ui_frmHowit.h"

frmHowit::frmHowit(const keymint::FormServices &services)
    : InformationDialog(services), ui(std::make_unique<Ui::frmHowit>())
{
    ui->setupUi(this);
    finishLoading(ui->Command1);
}

frmHowit::~frmHowit() = default;
