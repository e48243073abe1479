// What a careless edit of the windows could break: Form_Load not run; the tab order; Enter not
// pressing "Generate", Esc closing the window, the check box or slider not read; the slider's
// clicks not shown, or its keyboard moves shown; a save not confirmed, a failed one confirmed or
// ending the program; a hint on the wrong control, one cleared over the frame; an error that does
// not end the program; a second copy of a dialog, a modal or owned one, one that "OK" hides instead
// of unloading; the program going on after "Exit". In each language: a text left in English (not
// marked for translation, or the translation not loaded), a text wider than its control, wrapped
// beyond its height or into another control below it, a right-to-left form not mirrored or a
// left-to-right one mirrored, Qt's own texts in English. (The box's menu in another language, and
// its marked copy: on X11, in German and Arabic.)

#include "designfont.h"
#include "fakes.h"
#include "frmAbout.h"
#include "frmHowit.h"
#include "frmHowto.h"
#include "frmMain.h"
#include "qtprogramend.h"
#include "systemrandomsource.h"
#include "translations.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTest>

#include <limits>

using namespace keymint;

namespace
{

// Where a control draws, in its window: a label its text, as it wraps; anything else its place.
QRect drawnPlace(const QWidget *control)
{
    QRect place = control->rect();
    if (const auto *label = qobject_cast<const QLabel *>(control);
        label && !label->text().isEmpty())
        place = label->fontMetrics().boundingRect(
            place, int(label->alignment()) | Qt::TextWordWrap * label->wordWrap(), label->text());
    return place.translated(control->mapTo(control->window(), QPoint()));
}

// Whether the text of a label or button is wider than its room or wraps beyond it; or, wrapped,
// reaches into another control or another's text (the design's labels overlap, their texts
// must not).
bool overflows(const QWidget *control, const QWidgetList &others)
{
    QStyleOptionButton option;
    option.initFrom(control);
    const auto reaches = [&](const QWidget *other) {
        return other != control && !other->isAncestorOf(control) &&
               drawnPlace(other).intersects(drawnPlace(control));
    };
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return !QRect(label->mapTo(label->window(), QPoint()), label->size())
                    .contains(drawnPlace(label)) ||
               (label->wordWrap() && std::any_of(others.begin(), others.end(), reaches));
    const auto *button = qobject_cast<const QAbstractButton *>(control);
    const auto room = qobject_cast<const QCheckBox *>(control) ? QStyle::SE_CheckBoxContents
                                                               : QStyle::SE_PushButtonContents;
    return button != nullptr &&
           control->fontMetrics().horizontalAdvance(button->text()) >
               control->style()->subElementRect(room, &option, control).width();
}

// Every form in the language installed now, each hint brought up by the mouse: every text and
// place by where it shows ("frmMain.cmdExit.text", "frmMain.Text1-hint.text"), places as in a
// left-to-right window. A text that does not fit fails the test.
QVariantMap showEverything()
{
    QVariantMap shown;
    QWidgetList controls; // of the form being shown: every one but the hidden character cells
    const auto record = [&](const QString &where, const QWidget *control) {
        for (const char *property : {"text", "title", "windowTitle", "toolTip", "accessibleName"})
            shown[where + "." + property] = control->property(property);
        QRect place = control->geometry();
        if (control->isRightToLeft())
            place.moveLeft(control->parentWidget()->width() - place.right() - 1);
        shown[where + ".place"] = place;
        if (overflows(control, controls))
            QTest::qFail(qPrintable(where + " does not fit"), __FILE__, __LINE__);
    };
    const std::unique_ptr<QWidget> forms[] = {
        std::make_unique<frmMain>(FormServices{}), std::make_unique<frmHowto>(FormServices{}),
        std::make_unique<frmHowit>(FormServices{}), std::make_unique<frmAbout>(FormServices{})};
    for (const auto &form : forms) {
        form->show();
        form->activateWindow();
        controls = form->findChildren<QWidget *>(QRegularExpression("^(?!char\\d)"));
        const auto *hints = form->findChild<QLabel *>(QStringLiteral("lblinfo"));
        for (QWidget *control : controls) {
            const QString where = form->objectName() + "." + control->objectName();
            record(where, control);
            if (hints != nullptr && QTest::qWaitForWindowActive(form.get()))
                QTest::mouseMove(control), record(where + "-hint", hints);
        }
        shown[form->objectName() + ".windowTitle"] = form->windowTitle();
    }
    return shown;
}

} // namespace

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
    void initTestCase() { substituteDesignFont(); } // as Keymint does
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
        QVERIFY(m_window->isVisible());
        control("Slider1")->setFocus();
        press(Qt::Key_End); // moved without a click: the length display stays
        control("Check1")->setFocus();
        press(Qt::Key_Space);
        QString passwords;
        for (int round = 0; round < 5; ++round)
            passwords += (press(Qt::Key_Return), text("Text1"));
        QVERIFY(passwords.contains(QRegularExpression("^(?=.*[0-9])[a-z0-9]{100}$")));
        QCOMPARE(text("lbl2"), "5");
        QTest::mousePress(control("Slider1"), Qt::LeftButton, {}, {1, 1});
        QCOMPARE(text("lbl2"), "5"); // a click shows the value once it is over: a track click
        QTest::mouseRelease(control("Slider1"), Qt::LeftButton, {}, {1, 1}); // moves on press
        QCOMPARE(text("lbl2"), "20");
    }

    // Before any press the box is empty, and an empty line is still a line. (Ctrl+S, the
    // keyboard's double-click, is the desktop checks' to press.)
    void doubleClickSavesOrSaysWhyNot()
    {
        QTest::mouseDClick(control("Text1"), Qt::LeftButton);
        click("Command1");
        QTest::mouseDClick(control("Text1"), Qt::LeftButton);
        QCOMPARE(lines, QStringList({"", text("Text1")}));
        QCOMPARE(boxes.last(), "information: Password Added: Your password has been "
                               "added to the end of your password list.");
        saveFailure = PasswordListError{"/home/u/password.txt", "Disk full"};
        QTest::mouseDClick(control("Text1"), Qt::LeftButton);
        QCOMPARE(boxes.mid(2),
                 {"error: Password Not Added: Your password could not be added to "
                  "your password list,\n" +
                  QDir::toNativeSeparators("/home/u/password.txt") + ":\n\nDisk full"});
        QVERIFY(text("Text1") == lines[1] && !exitCode); // the password kept, the program on
    }

    // Written anew on every move, whatever the label shows; kept over the frame's edge, which
    // stands for the text inside it too; cleared over the bare window between the frame and
    // "Generate".
    void hintFollowsTheMouse()
    {
        const std::pair<const char *, const char *> hints[] = {
            {"Command1", "Generate a password!"},
            {"Text1", "Copy new password from here"},
            {"Slider1", "Select the number of characters to generate"},
            {"Check1", "Determines whether numbers are used as well"},
            {"cmdHowto", "Click here for How To information"},
            {"cmdHowit", "Click here to see how it's done"},
            {"cmdAbout", "Learn about the program"},
            {"cmdExit", "Exit Tumblekey"},
            {"lbl2", ""},
            {"lblinfo", ""},
            {"Frame1", "earlier"},
            {"frmMain", ""}};
        const QHash<QString, QPoint> spots{{"frmMain", {300, 100}}, {"Frame1", {2, 2}}};
        for (const auto &[name, hint] : hints) {
            QTest::mouseMove(m_window.get(), {1, 1}); // Qt drops a move to where the mouse is
            control("lblinfo")->setProperty("text", "earlier");
            QWidget *over = name == QLatin1String("frmMain") ? m_window.get() : control(name);
            QTest::mouseMove(over, spots.value(name, over->rect().center()));
            QVERIFY2(text("lblinfo") == hint, name);
        }
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

    void everyTextTranslatedFitsAndIsPlaced_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &file : QDir(QStringLiteral(":/i18n")).entryList())
            QTest::newRow(qPrintable(file)) << file.sliced(8).chopped(3);
    }
    void everyTextTranslatedFitsAndIsPlaced()
    {
        QFETCH(QString, language);
#ifdef Q_OS_WIN
        if (QGuiApplication::platformName() == "offscreen") // measured with the Windows platform
            QSKIP("offscreen under Wine has the Liberation fonts alone");
#endif
        static const QVariantMap english = showEverything(); // once, before any translation
        QTranslator catalogue;
        QVERIFY(catalogue.load("keymint_" + language, ":/i18n"));
        const Translations translations(language, qtTranslationsFolder());
        const QVariantMap translated = showEverything();
        QVERIFY2(QCoreApplication::translate("QLineEdit", "&Copy") != "&Copy", "Qt's in English");
        for (const auto &[where, value] : english.asKeyValueRange()) {
            const QString text = value.toString(), context = where.section('.', 0, 0);
            QVariant expected = value; // places, numbers, the name on the window stay
            if (value.typeId() == QMetaType::QString &&
                text.contains(QRegularExpression("\\p{L}")) && text != "Tumblekey")
                expected = catalogue.translate(qPrintable(context), qPrintable(text));
            QVERIFY2(translated[where] == expected &&
                         expected.toString().isEmpty() == text.isEmpty(),
                     qPrintable(where + ": " + translated[where].toString()));
        }
    }
};

QTEST_MAIN(FrmMainTest)
#include "tst_frmmain.moc"
