#pragma once

#include "informationdialog.h"

#include <memory>

namespace Ui
{
class frmHowto;
}

class frmHowto : public InformationDialog
{
    Q_OBJECT

public:
    explicit frmHowto(const keymint::FormServices &services);
    ~frmHowto() override;

private:
    std::unique_ptr<Ui::frmHowto> ui;
};
