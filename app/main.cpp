#include "frmMain.h"
#include "passwordlistfile.h"
#include "qtmessageboxes.h"
#include "qtprogramend.h"
#include "systemrandomsource.h"

#include <QApplication>

// Start-up: the main window only; the dialogs are made when first asked for.
// Keymint takes no command-line arguments and reads no settings.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keymint"));
    QApplication::setApplicationVersion(QStringLiteral(KEYMINT_DISPLAY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(KEYMINT_APP_ID));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));

    keymint::SystemRandomSource random;
    keymint::QtMessageBoxes messages;
    keymint::PasswordListFile passwordList;
    keymint::QtProgramEnd end;
    frmMain mainWindow(
        {.random = &random, .messages = &messages, .passwordList = &passwordList, .end = &end});
    mainWindow.show();
    return QApplication::exec();
}
