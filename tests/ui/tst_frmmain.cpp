// What a careless edit of the windows could break: Form_Load not run; the tab order; Enter not
// pressing "Generate", Esc closing the window, the check box or slider not read; the slider's
// clicks not shown, or its keyboard moves shown; a save not confirmed, a failed one confirmed or
// ending the program, Ctrl+S not saving; a hint on the wrong control, one cleared over the
// frame; an error that does not end the program; a second copy of a dialog, a modal or owned
// one, one that "OK" hides instead of unloading; the program going on after "Exit".

#include "fakes.h"
#include "frmMain.h"
#include "qtprogramend.h"
#include "systemrandomsource.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

#include <limits>

using namespace keymint;

// The test is also the window's services, and records what it was asked: no modal loop, no
// file, no end of the test program.
class FrmMainTest : public QObject, MessageBoxes, PasswordList, ProgramEnd
{
    Q_OBJECT

    void information(QWidget *, const QString &title, const QString &text) override
    {
        boxes << "information: " + title + ": " + text;
    }
    void error(QWidget *, const QString &title, const QString &text) override
    {
        boxes << "error: " + title + ": " + text;
    }
    std::optional<PasswordListError> appendLine(const QString &text) override
    {
        return saveFailure ? saveFailure : (lines << text, std::nullopt);
    }
    void endProgram(int code) override { exitCode = code; }

    QStringList boxes, lines;
    std::optional<PasswordListError> saveFailure; // set: every save fails so
    std::optional<int> exitCode;
    SystemRandomSource m_random;
    std::unique_ptr<frmMain> m_window;

    QWidget *control(const QString &name) const { return m_window->findChild<QWidget *>(name); }
    QString text(const QString &name) const { return control(name)->property("text").toString(); }
    void click(const QString &name) const { QTest::mouseClick(control(name), Qt::LeftButton); }
    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    static QWidgetList shown(const QString &title)
    {
        QWidgetList windows = QApplication::topLevelWidgets();
        windows.removeIf([&](QWidget *w) { return !w->isVisible() || w->windowTitle() != title; });
        return windows;
    }
    void makeWindow(RandomSource *random = nullptr, ProgramEnd *end = nullptr)
    {
        m_window = std::make_unique<frmMain>(
            FormServices{random ? random : &m_random, this, this, end ? end : this});
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        // Qt Test may hold the button of an earlier double-click down, which would send every
        // later move to the widget that had it; let it go.
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, {1, 1});
    }

private slots:
    void init()
    {
        boxes.clear(), lines.clear(), exitCode.reset(), saveFailure.reset();
        makeWindow();
    }

    // Tab walks the design's order; Enter anywhere but on another button generates, with the
    // slider's length and the check box's kind; Esc is ignored; the length display follows the
    // slider's clicks only.
    void keyboardAloneMakesPasswords()
    {
        QStringList visited;
        for (int step = 0; step < 8; ++step)
            visited << (press(Qt::Key_Tab), QApplication::focusWidget()->objectName());
        QCOMPARE(visited.join(' '),
                 "Command1 cmdHowto cmdHowit cmdAbout cmdExit Slider1 Check1 Text1");
        press(Qt::Key_Escape);
        QTest::keyClicks(control("Text1"), "typed by hand");
        press(Qt::Key_Return);
        QVERIFY(m_window->isVisible() &&
                QRegularExpression("^[a-z]{5}$").match(text("Text1")).hasMatch());
        control("Slider1")->setFocus();
        press(Qt::Key_End); // moved without a click: the length display stays
        control("Check1")->setFocus();
        press(Qt::Key_Space);
        QString passwords;
        for (int round = 0; round < 5; ++round)
            passwords += (press(Qt::Key_Return), text("Text1"));
        QVERIFY(QRegularExpression("^(?=.*[0-9])[a-z0-9]{100}$").match(passwords).hasMatch());
        QCOMPARE(text("lbl2"), "5");
        QTest::mousePress(control("Slider1"), Qt::LeftButton, {}, {1, 1});
        QCOMPARE(text("lbl2"), "5"); // a click shows the value once it is over: a track click
        QTest::mouseRelease(control("Slider1"), Qt::LeftButton, {}, {1, 1}); // moves on press
        QCOMPARE(text("lbl2"), "20");
    }

    // Before any press the box is empty, and an empty line is still a line. Ctrl+S in the box
    // is the keyboard's double-click.
    void doubleClickSavesOrSaysWhyNot()
    {
        QTest::mouseDClick(control("Text1"), Qt::LeftButton);
        click("Command1");
        control("Text1")->setFocus();
        QTest::keyClick(control("Text1"), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(lines, QStringList({"", text("Text1")}));
        QCOMPARE(boxes.last(), "information: Password Added: Your password has been "
                               "added to the end of your password list.");
        saveFailure = PasswordListError{"/home/u/password.txt", "Disk full"};
        QTest::mouseDClick(control("Text1"), Qt::LeftButton);
        const QString error = boxes.value(2);
        QVERIFY2(boxes.size() == 3 && error.startsWith("error: Password Not Added: ") &&
                     error.contains(QDir::toNativeSeparators("/home/u/password.txt")) &&
                     error.contains("Disk full"),
                 qPrintable(error));
        QVERIFY(text("Text1") == lines[1] && !exitCode); // the password kept, the program on
    }

    void hintFollowsTheMouse_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        // clang-format off
        QTest::newRow("Generate") << "Command1" << "Generate a password!";
        QTest::newRow("password") << "Text1" << "Copy new password from here";
        QTest::newRow("slider") << "Slider1" << "Select the number of characters to generate";
        QTest::newRow("check box") << "Check1" << "Determines whether numbers are used as well";
        QTest::newRow("How To") << "cmdHowto" << "Click here for How To information";
        QTest::newRow("How it works") << "cmdHowit" << "Click here to see how it's done";
        QTest::newRow("About") << "cmdAbout" << "Learn about the program";
        QTest::newRow("Exit") << "cmdExit" << "Exit Tumblekey";
        QTest::newRow("length display") << "lbl2" << "";
        QTest::newRow("hint label") << "lblinfo" << "";
        QTest::newRow("frame's edge") << "Frame1" << "earlier";
        QTest::newRow("bare window") << "frmMain" << "";
        // clang-format on
    }
    // Written anew on every move, whatever the label shows.
    void hintFollowsTheMouse()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        QTest::mouseMove(m_window.get(), {1, 1}); // Qt drops a move to where the mouse is
        control("lblinfo")->setProperty("text", "earlier");
        QWidget *over = name == "frmMain" ? m_window.get() : control(name);
        // The bare window between the frame and "Generate"; the directions frame on its edge,
        // which stands for the text inside it too.
        const QHash<QString, QPoint> spots{{"frmMain", {300, 100}}, {"Frame1", {2, 2}}};
        QTest::mouseMove(over, spots.value(name, over->rect().center()));
        QCOMPARE(text("lblinfo"), hint);
    }

    void runTimeErrorIsReportedAndEndsTheProgram()
    {
        CallLog log;
        ScriptedRandomSource broken(log, {0.0f, std::numeric_limits<float>::infinity()});
        makeWindow(&broken);
        click("Command1");
        QVERIFY(exitCode == EXIT_FAILURE &&
                boxes.value(0).endsWith(": Run-time error '6': Overflow"));
        QCOMPARE(text("Text1") + text("char1"), "a"); // char1 drawn; no password
    }

    // One window each, none modal, none owned; "OK" (or Enter) unloads only its own, and the
    // main window works on. "Exit" closes every window and ends the program.
    void dialogsOpenOnceBesideAWorkingMainWindow()
    {
        QtProgramEnd end;
        makeWindow(nullptr, &end);
        for (const char *button : {"cmdHowto", "cmdHowit", "cmdAbout"})
            click(button);
        QPointer<QWidget> about = shown("About...").value(0);
        click("cmdHowto"), click("cmdAbout");
        for (const char *title : {"How to...", "How it works...", "About..."})
            QCOMPARE(shown(title).size(), 1);
        QVERIFY(shown("About...")[0] == about && !about->parentWidget());
        QVERIFY(!QApplication::activeModalWidget());
        click("Command1");
        QCOMPARE(text("Text1").size(), 5);
        QVERIFY(QTest::qWaitForWindowActive(about));
        press(Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about && shown("How to...").size() == 1 && m_window->isVisible());

        click("cmdExit");
        QVERIFY(shown("Tumblekey").isEmpty() && shown("How to...").isEmpty());
        QCOMPARE(QApplication::exec(), EXIT_SUCCESS);
    }
};

QTEST_MAIN(FrmMainTest)
#include "tst_frmmain.moc"
