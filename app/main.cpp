#include "frmMain.h"
#include "passwordlistfile.h"
#include "qtmessageboxes.h"
#include "qtprogramend.h"
#include "systemrandomsource.h"
#include "translations.h"

#include <QApplication>

#include <cstdlib>

// Start-up: the main window only; the dialogs are made when first asked for.
// Keymint takes no command-line arguments and reads no settings.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keymint"));
    QApplication::setApplicationVersion(QStringLiteral(KEYMINT_DISPLAY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(KEYMINT_APP_ID));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // In the session's language where Keymint has a translation, else in English.
    const keymint::Translations translations(keymint::translationFor(keymint::sessionLanguages()),
                                             keymint::qtTranslationsFolder());

    keymint::SystemRandomSource random;
    keymint::QtMessageBoxes messages;
    keymint::PasswordListFile passwordList;
    keymint::QtProgramEnd end;
    frmMain mainWindow(
        {.random = &random, .messages = &messages, .passwordList = &passwordList, .end = &end});
    mainWindow.show();
    const int exitCode = QApplication::exec();
    // Debian 12's Qt for Wayland can hang for good while it takes its connection down (its
    // event thread waits for a read that never comes), which would leave an unseen Keymint
    // behind with the last password in its memory. Every window is closed and every saved line
    // is on disk by now, and a Wayland client hands its clipboard to no one at exit, so there
    // the program ends here, without that teardown.
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        std::_Exit(exitCode);
    return exitCode;
}
