#include "designfont.h"
#include "frmMain.h"
#include "passwordlistfile.h"
#include "qtmessageboxes.h"
#include "qtprogramend.h"
#include "systemrandomsource.h"
#include "translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QVersionNumber>

#include <cstdlib>

// Start-up: the main window only; the dialogs are made when first asked for.
// Keymint takes no command-line arguments and reads no settings.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keymint"));
    QApplication::setApplicationVersion(QStringLiteral(KEYMINT_DISPLAY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(KEYMINT_APP_ID));
    keymint::substituteDesignFont();
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
    // Qt for Wayland can hang for good while it takes its connection down (its event thread
    // waits for a read that never comes), which would leave an unseen Keymint behind with the
    // last password in its memory: seen with 6.4 (Debian 12) and 6.8 (Debian 13), in 2 of 3
    // exits and 2 of 11. Every window is closed and every saved line is on disk by now,
    // and a Wayland client hands its clipboard to no one at exit, so under those Qts the
    // program ends here, without the teardown. A later Qt takes the normal way out, which the
    // Wayland check times on every Debian it runs on.
    if (QGuiApplication::platformName() == QLatin1String("wayland") &&
        QLibraryInfo::version() < QVersionNumber(6, 9))
        std::_Exit(exitCode);
    return exitCode;
}
