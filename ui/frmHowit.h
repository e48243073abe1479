#pragma once

#include "informationdialog.h"

#include <memory>

namespace Ui
{
class frmHowit;
}

class frmHowit : public InformationDialog
{
    Q_OBJECT

public:
    explicit frmHowit(const keymint::FormServices &services);
    ~frmHowit() override;

private:
    std::unique_ptr<Ui::frmHowit> ui;
};
