#include "frmHowto.h"

#include "ui_frmHowto.h"

frmHowto::frmHowto(const keymint::FormServices &services)
    : InformationDialog(services), ui(std::make_unique<Ui::frmHowto>())
{
    ui->setupUi(this);
    finishLoading(ui->Command1);
}

frmHowto::~frmHowto() = default;
