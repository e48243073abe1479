#include "fakes.h"
#include "fakeservices.h"
#include "frmMain.h"
#include "systemrandomsource.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>

#include <limits>
#include <memory>

using namespace keymint;
using namespace keymint::test;

namespace
{

const QRect ClientArea(0, 0, 308, 251);

QRect sliderPart(QSlider *slider, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = option.sliderValue = slider->value();
    option.tickPosition = slider->tickPosition();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, part, slider);
}

bool matches(const QString &pattern, const QString &text)
{
    return QRegularExpression(pattern).match(text).hasMatch();
}

// Every object a screen reader reaches below `node`, with its accessible name and state.
void walk(QAccessibleInterface *node, QList<QAccessibleInterface *> &reached)
{
    for (int i = 0; i < node->childCount(); ++i) {
        reached << node->child(i);
        walk(node->child(i), reached);
    }
}

} // namespace

class FrmMainTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowAsDesigned();
    void tabFollowsTheDesignOrder();
    void generateMakesPasswordOfSliderLengthAndKind();
    void clickOnSliderShowsItsValue();
    void enterGeneratesAndEscapeDoesNotClose();
    void runTimeErrorIsReportedAndEndsTheProgram();
    void doubleClickAddsPasswordAndConfirms();
    void failedSaveKeepsPasswordAndProgram();
    void hintFollowsTheMouse_data();
    void hintFollowsTheMouse();
    void bareWindowClearsTheHintButTheFrameDoesNot();
    void screenReaderReachesNamedControlsButNotTheCells();
    void keyboardAloneDoesEverything();

private:
    template <typename T = QWidget> T *control(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    void makeWindow(RandomSource &random)
    {
        m_window = std::make_unique<frmMain>(m_services->with(random));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    QLineEdit *text1() const { return control<QLineEdit>("Text1"); }
    void generate() const { QTest::mouseClick(control("Command1"), Qt::LeftButton); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void tabTo(const QString &name) const
    {
        for (int step = 0; step < 10 && QApplication::focusWidget()->objectName() != name; ++step)
            press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }

    SystemRandomSource m_random;
    std::unique_ptr<RecordingServices> m_services;
    std::unique_ptr<frmMain> m_window;
};

void FrmMainTest::init()
{
    m_services = std::make_unique<RecordingServices>();
    makeWindow(m_random);
    // Qt Test can leave the button of an earlier double-click held down, which would send every
    // later move to the widget that had it; let it go.
    QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, QPoint(1, 1));
}

void FrmMainTest::cleanup()
{
    m_window.reset();
}

void FrmMainTest::windowAsDesigned()
{
    QCOMPARE(m_window->windowTitle(), QString("Tumblekey"));
    QCOMPARE(m_window->minimumSize(), ClientArea.size());
    QCOMPARE(m_window->maximumSize(), ClientArea.size());
    QVERIFY(m_window->windowIcon().availableSizes().contains(QSize(32, 32)));
    const QString family = QFontInfo(m_window->font()).family();
    QVERIFY2(family == "Arial" || family == "Liberation Sans", qPrintable(family));
    QCOMPARE(control<QLineEdit>("Text1")->maxLength(), std::numeric_limits<int>::max());

    for (const QWidget *widget : m_window->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        QCOMPARE(widget->font().pointSizeF(), 8.25);
        QCOMPARE(widget->font().bold(), name == "Frame1" || name == "lbl2");
        QCOMPARE(widget->toolTip(),
                 QString(name == "Slider1" ? "Number of Characters to generate" : ""));
        // Every control lies inside the window but the cells, which lie right of it.
        QCOMPARE(ClientArea.contains(widget->geometry()), !name.startsWith("char"));
    }
    const auto slider = control<QSlider>("Slider1");
    QCOMPARE(QList<int>({slider->minimum(), slider->maximum(), slider->value(), slider->pageStep(),
                         slider->tickInterval()}),
             QList<int>({5, 20, 5, 5, 1}));
    QCOMPARE(control<QLabel>("lbl2")->text(), QString("5"));
    QCOMPARE(control<QLabel>("lblinfo")->text(), QString());
    QCOMPARE(control<QLabel>("char12")->text(), QString("Label2"));
    QCOMPARE(QApplication::focusWidget(), text1());
}

void FrmMainTest::tabFollowsTheDesignOrder()
{
    QStringList visited;
    for (int step = 0; step < 8; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"Command1", "cmdHowto", "cmdHowit", "cmdAbout", "cmdExit",
                                   "Slider1", "Check1", "Text1"}));
}

void FrmMainTest::generateMakesPasswordOfSliderLengthAndKind()
{
    generate();
    QVERIFY2(matches("^[a-z]{5}$", text1()->text()), qPrintable(text1()->text()));

    // The keyboard moves the slider without a click: the length display stays at 5.
    control("Slider1")->setFocus();
    QTest::keyClick(control("Slider1"), Qt::Key_End);
    QTest::mouseClick(control("Check1"), Qt::LeftButton);
    bool sawDigit = false;
    for (int press = 0; press < 10; ++press) {
        generate();
        QVERIFY2(matches("^[a-z0-9]{20}$", text1()->text()), qPrintable(text1()->text()));
        sawDigit = sawDigit || matches("[0-9]", text1()->text());
    }
    QVERIFY(sawDigit);
    QCOMPARE(control<QLabel>("lbl2")->text(), QString("5"));
    QCOMPARE(control<QLabel>("char21")->text(), QString("Label11"));
}

void FrmMainTest::clickOnSliderShowsItsValue()
{
    auto slider = control<QSlider>("Slider1");
    auto lbl2 = control<QLabel>("lbl2");
    // On the track right of the thumb: one page, five lengths, further.
    const QRect groove = sliderPart(slider, QStyle::SC_SliderGroove);
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(groove.right() - 4, groove.center().y()));
    QCOMPARE(lbl2->text(), QString("10"));

    // A drag of the thumb, mouse button held, shows its hint on the way and the value at the end.
    slider->setValue(12);
    const QPoint handle = sliderPart(slider, QStyle::SC_SliderHandle).center();
    QTest::mousePress(slider, Qt::LeftButton, {}, handle);
    QTest::mouseMove(slider, handle + QPoint(30, 0));
    QCOMPARE(control<QLabel>("lblinfo")->text(),
             QString("Select the number of characters to generate"));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, handle + QPoint(30, 0));
    QVERIFY(slider->value() > 12);
    QCOMPARE(lbl2->text(), QString::number(slider->value()));
}

void FrmMainTest::enterGeneratesAndEscapeDoesNotClose()
{
    QTest::keyClicks(text1(), "typed by hand");
    QTest::keyClick(text1(), Qt::Key_Return);
    QVERIFY2(matches("^[a-z]{5}$", text1()->text()), qPrintable(text1()->text()));
    QTest::keyClick(text1(), Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
}

void FrmMainTest::runTimeErrorIsReportedAndEndsTheProgram()
{
    ScriptedRandomSource broken({0.0f, std::numeric_limits<float>::infinity()});
    makeWindow(broken);
    text1()->setText("kept");
    generate();

    QCOMPARE(m_services->messages.boxes.size(), std::size_t(1));
    QCOMPARE(m_services->messages.boxes[0].text, QString("Run-time error '6': Overflow"));
    QCOMPARE(m_services->end.exitCode, std::optional<int>(EXIT_FAILURE));
    QCOMPARE(text1()->text(), QString("kept"));
    QCOMPARE(control<QLabel>("char1")->text(), QString("a"));
}

void FrmMainTest::doubleClickAddsPasswordAndConfirms()
{
    // Before any press the box is empty, and an empty line is still a line.
    QTest::mouseDClick(text1(), Qt::LeftButton);
    generate();
    const QString password = text1()->text();
    QTest::mouseDClick(text1(), Qt::LeftButton);
    QTest::mouseDClick(text1(), Qt::LeftButton);
    text1()->setText("  typed wörds  ");
    QTest::mouseDClick(text1(), Qt::LeftButton);

    QCOMPARE(m_services->passwordList.lines,
             QStringList({"", password, password, "  typed wörds  "}));
    QCOMPARE(m_services->messages.boxes.size(), std::size_t(4));
    const auto &box = m_services->messages.boxes.back();
    QCOMPARE(box.kind, RecordingMessageBoxes::Box::Information);
    QCOMPARE(box.title, QString("Password Added"));
    QCOMPARE(box.text, QString("Your password has been added to the end of your password list."));
}

void FrmMainTest::failedSaveKeepsPasswordAndProgram()
{
    m_services->passwordList.failure = PasswordListError{"/home/u/password.txt", "Disk full"};
    generate();
    const QString password = text1()->text();
    QTest::mouseDClick(text1(), Qt::LeftButton);

    QCOMPARE(m_services->messages.boxes.size(), std::size_t(1));
    const auto &box = m_services->messages.boxes[0];
    QCOMPARE(box.kind, RecordingMessageBoxes::Box::Error);
    QVERIFY2(box.text.contains("/home/u/password.txt") && box.text.contains("Disk full"),
             qPrintable(box.text));
    QCOMPARE(text1()->text(), password);
    QVERIFY(!m_services->end.exitCode);
}

void FrmMainTest::hintFollowsTheMouse_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::newRow("Generate") << "Command1"
                              << "Generate a password!";
    QTest::newRow("password box") << "Text1"
                                  << "Copy new password from here";
    QTest::newRow("slider") << "Slider1"
                            << "Select the number of characters to generate";
    QTest::newRow("check box") << "Check1"
                               << "Determines whether numbers are used as well";
    QTest::newRow("How To") << "cmdHowto"
                            << "Click here for How To information";
    QTest::newRow("How it works") << "cmdHowit"
                                  << "Click here to see how it's done";
    QTest::newRow("About") << "cmdAbout"
                           << "Learn about the program";
    QTest::newRow("Exit") << "cmdExit"
                          << "Exit Tumblekey";
    QTest::newRow("length display") << "lbl2"
                                    << "";
    QTest::newRow("hint label") << "lblinfo"
                                << "";
}

// Written anew on every move, whatever the label shows.
void FrmMainTest::hintFollowsTheMouse()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    QTest::mouseMove(m_window.get(), QPoint(1, 1)); // Qt drops a move to where the mouse is
    control<QLabel>("lblinfo")->setText("an earlier hint");
    QTest::mouseMove(control(name));
    QCOMPARE(control<QLabel>("lblinfo")->text(), hint);
}

void FrmMainTest::bareWindowClearsTheHintButTheFrameDoesNot()
{
    auto lblinfo = control<QLabel>("lblinfo");
    QTest::mouseMove(control("Command1"), QPoint(3, 3));
    QTest::mouseMove(control("Frame1"), QPoint(2, 2));
    QTest::mouseMove(control("Label1"));
    QCOMPARE(lblinfo->text(), QString("Generate a password!"));
    QTest::mouseMove(m_window.get(), QPoint(300, 100)); // between the frame and "Generate"
    QCOMPARE(lblinfo->text(), QString());
}

void FrmMainTest::screenReaderReachesNamedControlsButNotTheCells()
{
    QList<QAccessibleInterface *> reached;
    walk(QAccessible::queryAccessibleInterface(m_window.get()), reached);
    QMap<QString, QString> names;
    for (QAccessibleInterface *item : reached) {
        const QString object = item->object()->objectName();
        const QString name = item->text(QAccessible::Name);
        if (object.startsWith("char"))
            QVERIFY2(item->state().invisible && name.isEmpty(), qPrintable(object));
        else if (item->state().focusable)
            QVERIFY2(!name.isEmpty(), qPrintable(object));
        names[object] = name;
    }
    QCOMPARE(names.value("Text1"), QString("Password"));
    QCOMPARE(names.value("Slider1"), QString("Password length"));
    QCOMPARE(names.value("Check1"), QString("Alphanumeric"));
}

// Length, kind, generate, copy, save, every dialog open and closed, exit: keys only.
void FrmMainTest::keyboardAloneDoesEverything()
{
    tabTo("Slider1");
    press(Qt::Key_End);
    tabTo("Check1");
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    QVERIFY2(matches("^[a-z0-9]{20}$", text1()->text()), qPrintable(text1()->text()));

    tabTo("Text1");
    press(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(text1()->selectedText(), text1()->text()); // ready for Ctrl+C
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_services->passwordList.lines, QStringList{text1()->text()});

    for (const char *button : {"cmdHowto", "cmdHowit", "cmdAbout"}) {
        tabTo(button);
        press(Qt::Key_Space);
        QTRY_VERIFY(QApplication::activeWindow() != m_window.get());
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Command1"));
        const QPointer<QWidget> dialog = QApplication::activeWindow();
        press(Qt::Key_Return);
        QTRY_VERIFY(!dialog || !dialog->isVisible());
        // The window manager gives the main window its focus back; offscreen has none.
        m_window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), m_window.get());
    }
    tabTo("cmdExit");
    press(Qt::Key_Space);
    QCOMPARE(m_services->end.exitCode, std::optional<int>(EXIT_SUCCESS));
}

QTEST_MAIN(FrmMainTest)
#include "tst_frmmain.moc"
