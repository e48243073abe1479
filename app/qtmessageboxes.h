#pragma once

#include "services.h"

namespace keymint
{

class QtMessageBoxes final : public MessageBoxes
{
public:
    void information(QWidget *owner, const QString &title, const QString &prompt) override;
    void error(QWidget *owner, const QString &title, const QString &text) override;
};

} // namespace keymint
