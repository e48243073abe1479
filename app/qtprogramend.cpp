#include "qtprogramend.h"

#include <QApplication>
#include <QWidget>

namespace keymint
{

void QtProgramEnd::endProgram(int exitCode)
{
    // Every window goes at once; the event loop ends as soon as control returns to it,
    // even when that loop has not started yet.
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QMetaObject::invokeMethod(
        qApp, [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
}

} // namespace keymint
