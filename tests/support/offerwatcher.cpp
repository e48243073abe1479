// Watches the clipboard and the primary selection as a clipboard manager does: at each change it
// reads that offer at once and prints the text it yields, and a second line if it carries the
// secret mark: the lines of the desktop check's Wayland watchers (wl-paste), for one count. An
// offer replaced before its read is answered (the next copy came first, on a loaded machine)
// yields no text, as on Wayland.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed, [](QClipboard::Mode mode) {
        const char *name = mode == QClipboard::Clipboard ? "clipboard" : "primary";
        // Its types first, in one request, then its text: a read of the text alone, and of the
        // mark after it, could each meet another offer.
        const QMimeData *offer = QGuiApplication::clipboard()->mimeData(mode);
        const QStringList types = offer->formats();
        std::printf("%s text %s\n", name, qPrintable(types.isEmpty() ? QString() : offer->text()));
        if (types.contains(QStringLiteral("x-kde-passwordManagerHint")))
            std::printf("%s mark\n", name);
        std::fflush(stdout);
    });
    return QGuiApplication::exec();
}
