#include "fakes.h"
#include "fakeservices.h"
#include "frmMain.h"
#include "qtprogramend.h"
#include "systemrandomsource.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace keymint;
using namespace keymint::test;

namespace
{

QList<QWidget *> shownWindowsNamed(const QString &name)
{
    QList<QWidget *> windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible())
            windows << window;
    }
    return windows;
}

QWidget *shownWindow(const QString &name)
{
    const auto windows = shownWindowsNamed(name);
    return windows.size() == 1 ? windows.first() : nullptr;
}

// Lets closed dialogs finish being unloaded.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogsAsDesigned_data();
    void dialogsAsDesigned();
    void dialogControlsAsDesigned_data();
    void dialogControlsAsDesigned();
    void enterClosesOnlyTheDialogThatHasIt();
    void buttonOfOpenDialogShowsThatSameWindow();
    void allThreeOpenAndMainWindowStillWorks();
    void closedDialogReopensFromItsDesign();
    void enterPressesFocusedCommandButton();
    void mainWindowClosedWithAboutOpenKeepsProgram();
    void exitClosesEveryWindowAndEndsTheProgram();

private:
    void click(const char *name)
    {
        QTest::mouseClick(m_window->findChild<QWidget *>(name), Qt::LeftButton);
    }

    SystemRandomSource m_random;
    RecordingServices m_services;
    std::unique_ptr<frmMain> m_window;
};

void DialogsTest::init()
{
    m_window = std::make_unique<frmMain>(m_services.with(m_random));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void DialogsTest::cleanup()
{
    m_window.reset(); // takes its dialogs with it
    settle();
    QVERIFY(shownWindowsNamed("frmAbout").isEmpty());
}

void DialogsTest::dialogsAsDesigned_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::newRow("How to") << "cmdHowto"
                            << "frmHowto"
                            << "How to..." << QSize(459, 237);
    QTest::newRow("How it works") << "cmdHowit"
                                  << "frmHowit"
                                  << "How it works..." << QSize(312, 214);
    QTest::newRow("About") << "cmdAbout"
                           << "frmAbout"
                           << "About..." << QSize(312, 156);
}

void DialogsTest::dialogsAsDesigned()
{
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(QSize, size);

    QVERIFY(shownWindowsNamed(dialog).isEmpty()); // not made at start
    click(qPrintable(button));
    QWidget *window = shownWindow(dialog);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->size(), size);
    QCOMPARE(window->minimumSize(), size);
    QCOMPARE(window->maximumSize(), size);
    QVERIFY(window->windowIcon().isNull());
    QVERIFY(!window->parentWidget()); // no owner
    QVERIFY(!window->isModal());
    QCOMPARE(window->font().pointSizeF(), 8.25);

    // "OK" is the default button and the only control that takes the focus.
    auto ok = window->findChild<QPushButton *>("Command1");
    QCOMPARE(ok->text(), QString("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(QApplication::focusWidget(), ok);
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (child != ok)
            QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    }
}

void DialogsTest::dialogControlsAsDesigned_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("centred");

    const auto row = [](const char *button, const char *dialog, const char *control,
                        const char *caption, QRect geometry, bool bold = false,
                        bool centred = false) {
        QTest::addRow("%s %s", dialog, control)
            << button << dialog << control << caption << geometry << bold << centred;
    };
    row("cmdHowto", "frmHowto", "Frame1", "How to...", {8, 4, 441, 189}, true);
    row("cmdHowto", "frmHowto", "Label1",
        "-To generate a completely RANDOM password, just click the \"Generate\" button in the "
        "main window. A new password will pop up in the text box.",
        {12, 20, 417, 49});
    row("cmdHowto", "frmHowto", "Label2",
        "-To save your password to your current password list, double-click the password box. "
        "The password will be added to the end of the password list in the directory the "
        "program is installed in.",
        {12, 56, 421, 61});
    row("cmdHowto", "frmHowto", "Label3",
        "-To create a password with numbers in it, check the \"Alphanumeric\" checkbox. To "
        "create a password without numbers, uncheck it again.",
        {12, 104, 417, 37});
    row("cmdHowto", "frmHowto", "Label4",
        "-To change the amount of characters in a generated password, move the slider bar. The "
        "number of characters will appear to the right.",
        {12, 144, 425, 37});
    row("cmdHowto", "frmHowto", "Command1", "OK", {388, 204, 65, 25});
    row("cmdHowit", "frmHowit", "Label1",
        "Tumblekey works by generating random numbers, each lying between 1 and 36. Each of the "
        "numbers maps to a corresponding letter of the alphabet and the numerics system. 1=a, "
        "2=b, 27=1, and so on. It then throws them all together to form the password. That's it "
        "in a nutshell. It is the equivalent of closing your eyes and hitting however many "
        "random keys on your keyboard, except it's easier and does no physical damage. :)",
        {4, 4, 301, 113});
    row("cmdHowit", "frmHowit", "Label2",
        "When you consider the fact that there are 36 possibilities for each digit in a 10 "
        "digit password, the probability of someone guessing your generated password is equal "
        "to 36 to the 10th power. Believe me, it's rare.",
        {4, 124, 301, 65});
    row("cmdHowit", "frmHowit", "Command1", "OK", {232, 184, 73, 21});
    row("cmdAbout", "frmAbout", "Label1", "Tumblekey v1.5 for Windows 95/98/NT", {4, 4, 301, 29},
        true, true);
    row("cmdAbout", "frmAbout", "Label4", "This release 7/18/98.", {4, 124, 165, 21});
    row("cmdAbout", "frmAbout", "Command1", "OK", {220, 124, 77, 25});
    row("cmdAbout", "frmAbout", "Image1", "", {4, 76, 36, 36});
}

void DialogsTest::dialogControlsAsDesigned()
{
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(bool, bold);
    QFETCH(bool, centred);

    click(qPrintable(button));
    QWidget *window = shownWindow(dialog);
    QVERIFY(window);
    auto widget = window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->font().bold(), bold);
    if (auto label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask,
                 centred ? Qt::AlignHCenter
                         : (control == "Image1" ? Qt::AlignHCenter : Qt::AlignLeft));
        QVERIFY(label->wordWrap() || control == "Image1");
    } else if (auto frame = qobject_cast<QGroupBox *>(widget)) {
        QCOMPARE(frame->title(), caption);
    } else {
        QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), caption);
    }
}

void DialogsTest::enterClosesOnlyTheDialogThatHasIt()
{
    auto text1 = m_window->findChild<QLineEdit *>("Text1");
    click("Command1");
    const QString password = text1->text();
    click("cmdHowto");
    click("cmdHowit");
    click("cmdAbout");

    QWidget *about = shownWindow("frmAbout");
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();

    QVERIFY(!shownWindow("frmAbout"));
    QVERIFY(shownWindow("frmHowto"));
    QVERIFY(shownWindow("frmHowit"));
    QVERIFY(m_window->isVisible());
    QCOMPARE(text1->text(), password);
}

void DialogsTest::buttonOfOpenDialogShowsThatSameWindow()
{
    click("cmdAbout");
    QWidget *first = shownWindow("frmAbout");
    click("cmdAbout");
    QCOMPARE(shownWindowsNamed("frmAbout").size(), 1);
    QCOMPARE(shownWindow("frmAbout"), first);
}

void DialogsTest::allThreeOpenAndMainWindowStillWorks()
{
    click("cmdHowto");
    click("cmdHowit");
    click("cmdAbout");
    for (const char *name : {"frmHowto", "frmHowit", "frmAbout"})
        QVERIFY2(shownWindow(name), name);

    auto text1 = m_window->findChild<QLineEdit *>("Text1");
    const QString before = text1->text();
    click("Command1");
    QCOMPARE(text1->text().size(), 5);
    QVERIFY(text1->text() != before);
}

void DialogsTest::closedDialogReopensFromItsDesign()
{
    click("cmdHowto");
    QPointer<QWidget> first = shownWindow("frmHowto");
    auto label = first->findChild<QLabel *>("Label1");
    const QString designed = label->text();
    label->setText("changed while open");

    QTest::mouseClick(first->findChild<QWidget *>("Command1"), Qt::LeftButton);
    settle();
    QVERIFY(!first); // unloaded: the form is gone

    click("cmdHowto");
    QWidget *again = shownWindow("frmHowto");
    QVERIFY(again);
    QCOMPARE(again->findChild<QLabel *>("Label1")->text(), designed);
}

void DialogsTest::enterPressesFocusedCommandButton()
{
    auto about = m_window->findChild<QWidget *>("cmdAbout");
    about->setFocus();
    QTest::keyClick(about, Qt::Key_Return);
    QVERIFY(shownWindow("frmAbout"));
    QCOMPARE(m_window->findChild<QLineEdit *>("Text1")->text(), QString());
}

// The last two run the application's own event loop, since only that one ends the program.
void DialogsTest::mainWindowClosedWithAboutOpenKeepsProgram()
{
    bool runningWithAboutOpen = false;
    QTimer::singleShot(0, this, [&] {
        click("cmdAbout");
        m_window->close();
        QTimer::singleShot(100, this, [&] {
            QWidget *about = shownWindow("frmAbout");
            runningWithAboutOpen = about && !m_window->isVisible();
            if (about)
                QTest::mouseClick(about->findChild<QWidget *>("Command1"), Qt::LeftButton);
        });
    });
    QTimer::singleShot(5000, this, [] { QCoreApplication::exit(99); });

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(runningWithAboutOpen);
}

void DialogsTest::exitClosesEveryWindowAndEndsTheProgram()
{
    QtProgramEnd realEnd;
    m_window = std::make_unique<frmMain>(m_services.with(m_random, &realEnd));
    m_window->show();
    QTimer::singleShot(0, this, [this] {
        click("cmdHowto");
        click("cmdAbout");
        click("cmdExit");
    });
    QTimer::singleShot(5000, this, [] { QCoreApplication::exit(99); });

    QCOMPARE(QApplication::exec(), EXIT_SUCCESS);
    QVERIFY(!m_window->isVisible());
    QVERIFY(!shownWindow("frmHowto"));
    QVERIFY(!shownWindow("frmAbout"));
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
