#include "fakeservices.h"
#include "frmMain.h"
#include "systemrandomsource.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>

#include <memory>

using namespace keymint;
using namespace keymint::test;

namespace
{

struct Reached {
    QString objectName;
    QString name;
    QAccessible::State state;
};

// Everything a screen reader can reach below `node`.
void walk(QAccessibleInterface *node, QList<Reached> &reached)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child)
            continue;
        reached << Reached{child->object() ? child->object()->objectName() : QString(),
                           child->text(QAccessible::Name), child->state()};
        walk(child, reached);
    }
}

QWidget *activeDialog()
{
    QWidget *window = QApplication::activeWindow();
    return window && window->objectName() != "frmMain" ? window : nullptr;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void screenReaderReachesNamedControlsButNotTheCells();
    void keyboardAloneDoesEverything();

private:
    QWidget *focus() const { return QApplication::focusWidget(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focus(), key, modifiers);
    }
    void tabTo(const QString &name)
    {
        for (int step = 0; step < 10 && focus()->objectName() != name; ++step)
            press(Qt::Key_Tab);
        QCOMPARE(focus()->objectName(), name);
    }

    SystemRandomSource m_random;
    std::unique_ptr<RecordingServices> m_services;
    std::unique_ptr<frmMain> m_window;
};

void AccessibilityTest::init()
{
    m_services = std::make_unique<RecordingServices>();
    m_window = std::make_unique<frmMain>(m_services->with(m_random));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void AccessibilityTest::cleanup()
{
    m_window.reset();
}

void AccessibilityTest::screenReaderReachesNamedControlsButNotTheCells()
{
    QList<Reached> reached;
    walk(QAccessible::queryAccessibleInterface(m_window.get()), reached);

    QMap<QString, QString> names;
    for (const Reached &item : reached) {
        if (item.objectName.startsWith("char")) {
            QVERIFY2(item.state.invisible && item.name.isEmpty(), qPrintable(item.objectName));
            continue;
        }
        if (item.state.focusable)
            QVERIFY2(!item.name.isEmpty(), qPrintable(item.objectName + " has no name"));
        names[item.objectName] = item.name;
    }
    QCOMPARE(names.value("Text1"), QString("Password"));
    QCOMPARE(names.value("Command1"), QString("Generate"));
    QCOMPARE(names.value("Slider1"), QString("Password length"));
    QCOMPARE(names.value("Check1"), QString("Alphanumeric"));
    QCOMPARE(names.value("cmdExit"), QString("Exit"));
    QCOMPARE(names.value("Frame1"), QString("Directions:"));
}

// Length, kind, generate, copy, save, every dialog open and closed, exit: keys only.
void AccessibilityTest::keyboardAloneDoesEverything()
{
    auto text1 = m_window->findChild<QLineEdit *>("Text1");

    tabTo("Slider1");
    press(Qt::Key_End);
    tabTo("Check1");
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    QVERIFY2(QRegularExpression("^[a-z0-9]{20}$").match(text1->text()).hasMatch(),
             qPrintable(text1->text()));

    tabTo("Text1");
    press(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(text1->selectedText(), text1->text()); // ready for Ctrl+C
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_services->passwordList.lines, QStringList{text1->text()});
    QCOMPARE(m_services->messages.boxes.back().title, QString("Password Added"));

    for (const char *button : {"cmdHowto", "cmdHowit", "cmdAbout"}) {
        tabTo(button);
        press(Qt::Key_Space);
        QTRY_VERIFY(activeDialog());
        QCOMPARE(focus()->objectName(), QString("Command1"));
        press(Qt::Key_Return);
        QTRY_VERIFY(!activeDialog());
        // The window manager gives the main window back its focus; offscreen has none.
        m_window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), m_window.get());
    }

    tabTo("cmdExit");
    press(Qt::Key_Space);
    QCOMPARE(m_services->end.exitCode, std::optional<int>(EXIT_SUCCESS));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
