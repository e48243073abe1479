#include "qtmessageboxes.h"

#include <QMessageBox>

namespace keymint
{

namespace
{

void showModal(QMessageBox::Icon icon, QWidget *owner, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, owner);
    box.exec();
}

} // namespace

void QtMessageBoxes::information(QWidget *owner, const QString &title, const QString &prompt)
{
    showModal(QMessageBox::Information, owner, title, prompt);
}

void QtMessageBoxes::error(QWidget *owner, const QString &title, const QString &text)
{
    showModal(QMessageBox::Critical, owner, title, text);
}

} // namespace keymint
