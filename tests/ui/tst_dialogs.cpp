#include "fakeservices.h"
#include "frmMain.h"
#include "qtprogramend.h"
#include "systemrandomsource.h"

#include <QApplication>
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

QWidget *shownWindow(const QString &name)
{
    QWidget *found = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            if (found)
                qFatal("two windows %s", qPrintable(name));
            found = window;
        }
    }
    return found;
}

void pressOk(QWidget *dialog)
{
    QTest::mouseClick(dialog->findChild<QWidget *>("Command1"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // finish the unload
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
    void allThreeOpenOnceEachBesideAWorkingMainWindow();
    void enterClosesOnlyItsDialogWhichReopensFromItsDesign();
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
}

void DialogsTest::dialogsAsDesigned_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("boldControl");
    QTest::newRow("How to") << "cmdHowto"
                            << "frmHowto"
                            << "How to..." << QSize(459, 237) << "Frame1";
    QTest::newRow("How it works") << "cmdHowit"
                                  << "frmHowit"
                                  << "How it works..." << QSize(312, 214) << "";
    QTest::newRow("About") << "cmdAbout"
                           << "frmAbout"
                           << "About..." << QSize(312, 156) << "Label1";
}

void DialogsTest::dialogsAsDesigned()
{
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    QFETCH(QString, boldControl);

    QVERIFY(!shownWindow(dialog)); // not made at start
    click(qPrintable(button));
    QWidget *window = shownWindow(dialog);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->minimumSize(), size);
    QCOMPARE(window->maximumSize(), size);
    QVERIFY(window->windowIcon().isNull() && !window->parentWidget() && !window->isModal());

    // "OK" is the default button and the only control that takes the focus.
    auto ok = window->findChild<QPushButton *>("Command1");
    QVERIFY(ok->isDefault());
    QCOMPARE(QApplication::focusWidget(), ok);
    for (const QWidget *child : window->findChildren<QWidget *>()) {
        QCOMPARE(child->focusPolicy() == Qt::NoFocus, child != ok);
        QCOMPARE(child->font().bold(), child->objectName() == boldControl);
        QCOMPARE(child->font().pointSizeF(), 8.25);
        QVERIFY(QRect(QPoint(), size).contains(child->geometry()));
    }
}

void DialogsTest::allThreeOpenOnceEachBesideAWorkingMainWindow()
{
    click("cmdHowto");
    click("cmdHowit");
    click("cmdAbout");
    QWidget *about = shownWindow("frmAbout");
    click("cmdAbout"); // the same window again, not a second one
    QCOMPARE(shownWindow("frmAbout"), about);
    QVERIFY(shownWindow("frmHowto") && shownWindow("frmHowit"));

    click("Command1");
    QCOMPARE(m_window->findChild<QLineEdit *>("Text1")->text().size(), 5);
}

void DialogsTest::enterClosesOnlyItsDialogWhichReopensFromItsDesign()
{
    click("cmdHowto");
    click("cmdAbout");
    QPointer<QWidget> about = shownWindow("frmAbout");
    QVERIFY(QTest::qWaitForWindowActive(about));
    auto label = about->findChild<QLabel *>("Label1");
    const QString designed = label->text();
    label->setText("changed while open");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!about); // unloaded: the form is gone
    QVERIFY(shownWindow("frmHowto") && m_window->isVisible());

    // Enter on a focused command button of the main window presses that button.
    auto cmdAbout = m_window->findChild<QWidget *>("cmdAbout");
    cmdAbout->setFocus();
    QTest::keyClick(cmdAbout, Qt::Key_Return);
    QCOMPARE(shownWindow("frmAbout")->findChild<QLabel *>("Label1")->text(), designed);
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
                pressOk(about);
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
    QVERIFY(!m_window->isVisible() && !shownWindow("frmHowto") && !shownWindow("frmAbout"));
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
