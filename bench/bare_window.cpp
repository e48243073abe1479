// The baselines for Keymint's start-up: a bare Qt program that shows one empty window of the
// main window's size, or with --text the same window with one line of text, which makes Qt
// load the font configuration as every program that shows text must.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(308, 251);
    if (QApplication::arguments().contains(QStringLiteral("--text")))
        new QLabel(QStringLiteral("Bare"), &window);
    window.show();
    return QApplication::exec();
}
