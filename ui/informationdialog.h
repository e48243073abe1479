#pragma once

#include "services.h"

#include <QDialog>

class QPushButton;

// What the three information dialogs share: a fixed window without owner or icon, and one
// "OK" button whose Command1_Click unloads the dialog.
class InformationDialog : public QDialog
{
    Q_OBJECT

protected:
    explicit InformationDialog(const keymint::FormServices &services);

    // Called by each dialog once its design is loaded.
    void finishLoading(QPushButton *command1);

private:
    void Command1_Click();

    keymint::FormServices m_services;
};
