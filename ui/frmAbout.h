#pragma once

#include "informationdialog.h"

#include <memory>

namespace Ui
{
class frmAbout;
}

class frmAbout : public InformationDialog
{
    Q_OBJECT

public:
    explicit frmAbout(const keymint::FormServices &services);
    ~frmAbout() override;

private:
    std::unique_ptr<Ui::frmAbout> ui;
};
