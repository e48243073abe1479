// Watches the clipboard and the primary selection as a clipboard manager does: at each change it
// reads that offer at once and prints the text it yields, and a second line if it carries the
// secret mark: the lines of the desktop check's Wayland watchers (wl-paste), for one count.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed, [](QClipboard::Mode mode) {
        const char *name = mode == QClipboard::Clipboard ? "clipboard" : "primary";
        const QMimeData *offer = QGuiApplication::clipboard()->mimeData(mode);
        std::printf("%s text %s\n", name, qPrintable(offer->text()));
        if (offer->data(QStringLiteral("x-kde-passwordManagerHint")) == "secret")
            std::printf("%s mark\n", name);
        std::fflush(stdout);
    });
    return QGuiApplication::exec();
}
