#include "fakes.h"
#include "fakeservices.h"
#include "frmMain.h"
#include "systemrandomsource.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

QString captionOf(const QWidget *widget)
{
    if (auto label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    if (auto edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    return {};
}

QRect sliderPart(QSlider *slider, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.tickPosition = slider->tickPosition();
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, part, slider);
}

} // namespace

class FrmMainTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void windowAsDesigned();
    void characterCellsStayOutOfView();
    void sliderOffersTheSixteenLengths();
    void tabFollowsTheDesignOrder();
    void freshStartShowsFiveAndFocusInPasswordBox();
    void generateMakesPasswordOfSliderLength();
    void alphanumericBringsDigits();
    void clickOnSliderShowsItsValue();
    void enterPressesGenerateAndReplacesTypedText();
    void escapeLeavesTheWindowOpen();
    void runTimeErrorIsReportedAndEndsTheProgram();
    void doubleClickAddsPasswordAndConfirms();
    void hintFollowsTheMouse_data();
    void hintFollowsTheMouse();
    void bareWindowClearsTheHintButTheFrameDoesNot();
    void sliderHintWithButtonHeld();
    void failedSaveKeepsPasswordAndProgram();

private:
    template <typename T = QWidget> T *control(const char *name) const
    {
        auto widget = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    void makeWindow(RandomSource &random);

    SystemRandomSource m_random;
    std::unique_ptr<RecordingServices> m_services;
    std::unique_ptr<frmMain> m_window;
};

void FrmMainTest::makeWindow(RandomSource &random)
{
    m_window = std::make_unique<frmMain>(m_services->with(random));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

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

void FrmMainTest::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");

    const auto row = [](const char *name, const char *className, const char *caption, int x, int y,
                        int w, int h) {
        QTest::newRow(name) << name << className << caption << QRect(x, y, w, h);
    };
    row("Frame1", "QGroupBox", "Directions:", 8, 8, 285, 89);
    row("Label1", "QLabel",
        "To generate a random password, simply click the Generate button. Your password will "
        "appear in the text box below. You can then copy and paste it into a textfile for use. "
        "View the \"How to\" for more information.",
        8, 16, 269, 65);
    row("Text1", "QLineEdit", "", 8, 108, 169, 25);
    row("Command1", "QPushButton", "Generate", 196, 108, 97, 25);
    row("cmdHowto", "QPushButton", "How To...", 8, 184, 97, 25);
    row("cmdHowit", "QPushButton", "How it works...", 8, 216, 97, 25);
    row("cmdAbout", "QPushButton", "About", 196, 184, 97, 25);
    row("cmdExit", "QPushButton", "Exit", 196, 216, 97, 25);
    row("lblinfo", "QLabel", "", 112, 184, 77, 57);
    row("Slider1", "QSlider", "", 4, 144, 157, 29);
    row("lbl2", "QLabel", "5", 160, 152, 33, 21);
    row("Check1", "QCheckBox", "Alphanumeric", 200, 148, 101, 21);
}

void FrmMainTest::controlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);

    const QWidget *widget = control(qPrintable(name));
    QCOMPARE(widget->metaObject()->className(), className);
    QCOMPARE(captionOf(widget), caption);
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());
    QVERIFY(widget->isEnabled());
    const bool bold = name == "Frame1" || name == "lbl2";
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(widget->font().pointSizeF(), 8.25);
}

void FrmMainTest::windowAsDesigned()
{
    QCOMPARE(m_window->windowTitle(), QString("Tumblekey"));
    QCOMPARE(m_window->size(), ClientArea.size());
    QCOMPARE(m_window->minimumSize(), ClientArea.size());
    QCOMPARE(m_window->maximumSize(), ClientArea.size());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->windowIcon().availableSizes().contains(QSize(32, 32)));

    const QString family = QFontInfo(m_window->font()).family();
    QVERIFY2(family == "Arial" || family == "Liberation Sans", qPrintable(family));
    QCOMPARE(control<QLineEdit>("Text1")->maxLength(), std::numeric_limits<int>::max());
    QVERIFY(control<QPushButton>("Command1")->isDefault());
    QCOMPARE(control<QLabel>("lblinfo")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(control<QLabel>("lbl2")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QVERIFY(control<QLabel>("Label1")->wordWrap());
    QCOMPARE(control<QCheckBox>("Check1")->checkState(), Qt::Unchecked);

    // Only the slider has a tooltip.
    for (const QWidget *widget : m_window->findChildren<QWidget *>()) {
        const QString expected =
            widget->objectName() == "Slider1" ? "Number of Characters to generate" : "";
        QCOMPARE(widget->toolTip(), expected);
    }
}

void FrmMainTest::characterCellsStayOutOfView()
{
    for (int press = 0; press < 2; ++press) {
        for (int cell = 1; cell <= 25; ++cell) {
            const auto label = control<QLabel>(qPrintable(QString("char%1").arg(cell)));
            QVERIFY2(!ClientArea.intersects(label->geometry()), qPrintable(label->objectName()));
            QVERIFY(label->x() >= 320);
            if (cell >= 12 && (press == 0 || cell > 20))
                QCOMPARE(label->text(), QString("Label%1").arg(cell - 10));
            if (cell <= 11 && press == 0)
                QCOMPARE(label->text(), QString());
        }
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
    }
}

void FrmMainTest::sliderOffersTheSixteenLengths()
{
    auto slider = control<QSlider>("Slider1");
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->minimum(), 5);
    QCOMPARE(slider->maximum(), 20);
    QCOMPARE(slider->value(), 5);
    QCOMPARE(slider->singleStep(), 1);
    QCOMPARE(slider->pageStep(), 5);
    QCOMPARE(slider->tickInterval(), 1);
    QCOMPARE(slider->tickPosition(), QSlider::TicksBelow);
    slider->setValue(1);
    QCOMPARE(slider->value(), 5);
    slider->setValue(25);
    QCOMPARE(slider->value(), 20);
}

void FrmMainTest::tabFollowsTheDesignOrder()
{
    const QStringList expected = {"Command1", "cmdHowto", "cmdHowit", "cmdAbout",
                                  "cmdExit",  "Slider1",  "Check1",   "Text1"};
    QStringList visited;
    for (int step = 0; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void FrmMainTest::freshStartShowsFiveAndFocusInPasswordBox()
{
    QCOMPARE(control<QLabel>("lbl2")->text(), QString("5"));
    QCOMPARE(control<QLabel>("lblinfo")->text(), QString());
    QCOMPARE(control<QLineEdit>("Text1")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), control("Text1"));
}

void FrmMainTest::generateMakesPasswordOfSliderLength()
{
    auto text1 = control<QLineEdit>("Text1");
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    QVERIFY2(QRegularExpression("^[a-z]{5}$").match(text1->text()).hasMatch(),
             qPrintable(text1->text()));

    // The keyboard moves the slider without a click: the length display stays.
    auto slider = control<QSlider>("Slider1");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(slider->value(), 20);
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    QVERIFY2(QRegularExpression("^[a-z]{20}$").match(text1->text()).hasMatch(),
             qPrintable(text1->text()));
    QCOMPARE(control<QLabel>("lbl2")->text(), QString("5"));
}

void FrmMainTest::alphanumericBringsDigits()
{
    auto text1 = control<QLineEdit>("Text1");
    control<QSlider>("Slider1")->setValue(20);
    QTest::mouseClick(control("Check1"), Qt::LeftButton);
    QCOMPARE(control<QCheckBox>("Check1")->checkState(), Qt::Checked);

    bool sawDigit = false;
    for (int press = 0; press < 10; ++press) {
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        QVERIFY2(QRegularExpression("^[a-z0-9]{20}$").match(text1->text()).hasMatch(),
                 qPrintable(text1->text()));
        sawDigit = sawDigit || text1->text().contains(QRegularExpression("[0-9]"));
    }
    QVERIFY(sawDigit);
}

void FrmMainTest::clickOnSliderShowsItsValue()
{
    auto slider = control<QSlider>("Slider1");
    auto lbl2 = control<QLabel>("lbl2");
    // On the track right of the thumb: one page, five lengths, further.
    const QRect groove = sliderPart(slider, QStyle::SC_SliderGroove);
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(groove.right() - 4, groove.center().y()));
    QCOMPARE(slider->value(), 10);
    QCOMPARE(lbl2->text(), QString("10"));

    // On the thumb itself: the value stays, and so does the display.
    slider->setValue(12);
    QCOMPARE(lbl2->text(), QString("10"));
    QTest::mouseClick(slider, Qt::LeftButton, {},
                      sliderPart(slider, QStyle::SC_SliderHandle).center());
    QCOMPARE(slider->value(), 12);
    QCOMPARE(lbl2->text(), QString("12"));
}

void FrmMainTest::enterPressesGenerateAndReplacesTypedText()
{
    auto text1 = control<QLineEdit>("Text1");
    QTest::keyClicks(text1, "typed by hand");
    QTest::keyClick(text1, Qt::Key_Return);
    QVERIFY2(QRegularExpression("^[a-z]{5}$").match(text1->text()).hasMatch(),
             qPrintable(text1->text()));

    // From the check box too: "Generate" is the window's default button.
    const QString before = text1->text();
    control("Check1")->setFocus();
    QTest::keyClick(control("Check1"), Qt::Key_Enter);
    QVERIFY(text1->text() != before);
}

void FrmMainTest::escapeLeavesTheWindowOpen()
{
    QTest::keyClick(control("Text1"), Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_services->end.exitCode);
}

void FrmMainTest::runTimeErrorIsReportedAndEndsTheProgram()
{
    ScriptedRandomSource broken({0.0f, std::numeric_limits<float>::infinity()});
    makeWindow(broken);
    auto text1 = control<QLineEdit>("Text1");
    text1->setText("kept");

    QTest::mouseClick(control("Command1"), Qt::LeftButton);

    QCOMPARE(m_services->messages.boxes.size(), std::size_t(1));
    QCOMPARE(m_services->messages.boxes[0].kind, RecordingMessageBoxes::Box::Error);
    QCOMPARE(m_services->messages.boxes[0].text, QString("Run-time error '6': Overflow"));
    QCOMPARE(m_services->end.exitCode, std::optional<int>(EXIT_FAILURE));
    QCOMPARE(text1->text(), QString("kept"));
    QCOMPARE(control<QLabel>("char1")->text(), QString("a"));
}

void FrmMainTest::doubleClickAddsPasswordAndConfirms()
{
    using Box = RecordingMessageBoxes::Box;
    auto text1 = control<QLineEdit>("Text1");
    const auto confirmed = [this](std::size_t count) {
        if (m_services->messages.boxes.size() != count)
            return false;
        const Box &box = m_services->messages.boxes.back();
        return box.kind == Box::Information && box.title == "Password Added" &&
               box.text == "Your password has been added to the end of your password list.";
    };

    // Before any press: the box is empty, and an empty line is still a line.
    QTest::mouseDClick(text1, Qt::LeftButton);
    QCOMPARE(m_services->passwordList.lines, QStringList{""});
    QVERIFY(confirmed(1));

    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    const QString password = text1->text();
    QTest::mouseDClick(text1, Qt::LeftButton);
    QTest::mouseDClick(text1, Qt::LeftButton);
    QCOMPARE(m_services->passwordList.lines, QStringList({"", password, password}));
    QVERIFY(confirmed(3));

    text1->setText("  typed wörds  ");
    QTest::mouseDClick(text1, Qt::LeftButton);
    QCOMPARE(m_services->passwordList.lines.last(), QString("  typed wörds  "));
    QCOMPARE(text1->text(), QString("  typed wörds  "));
}

void FrmMainTest::failedSaveKeepsPasswordAndProgram()
{
    m_services->passwordList.failure =
        PasswordListError{"/home/user/password.txt", "Permission denied"};
    auto text1 = control<QLineEdit>("Text1");
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    const QString password = text1->text();

    QTest::mouseDClick(text1, Qt::LeftButton);

    QCOMPARE(m_services->messages.boxes.size(), std::size_t(1));
    const auto &box = m_services->messages.boxes[0];
    QCOMPARE(box.kind, RecordingMessageBoxes::Box::Error);
    QVERIFY2(box.text.contains("/home/user/password.txt") && box.text.contains("Permission denied"),
             qPrintable(box.text));
    QCOMPARE(text1->text(), password);
    QVERIFY(!m_services->end.exitCode);
    QVERIFY(m_window->isVisible());
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

void FrmMainTest::hintFollowsTheMouse()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    auto lblinfo = control<QLabel>("lblinfo");
    QTest::mouseMove(m_window.get(), QPoint(1, 1)); // come from elsewhere
    lblinfo->setText("an earlier hint");

    QTest::mouseMove(control(qPrintable(name)));
    QCOMPARE(lblinfo->text(), hint);
    // Written anew on every move, whatever it shows.
    lblinfo->setText("an earlier hint");
    QTest::mouseMove(control(qPrintable(name)), QPoint(2, 2));
    QCOMPARE(lblinfo->text(), hint);
}

void FrmMainTest::bareWindowClearsTheHintButTheFrameDoesNot()
{
    auto lblinfo = control<QLabel>("lblinfo");
    QTest::mouseMove(control("Command1"), QPoint(3, 3));
    QCOMPARE(lblinfo->text(), QString("Generate a password!"));
    QTest::mouseMove(control("Frame1"), QPoint(2, 2));
    QTest::mouseMove(control("Label1"));
    QCOMPARE(lblinfo->text(), QString("Generate a password!"));

    QTest::mouseMove(m_window.get(), QPoint(300, 100)); // between the frame and "Generate"
    QCOMPARE(lblinfo->text(), QString());
}

void FrmMainTest::sliderHintWithButtonHeld()
{
    auto slider = control<QSlider>("Slider1");
    auto lblinfo = control<QLabel>("lblinfo");
    const QPoint handle = sliderPart(slider, QStyle::SC_SliderHandle).center();
    QTest::mousePress(slider, Qt::LeftButton, {}, handle);
    lblinfo->setText("an earlier hint");
    QTest::mouseMove(slider, handle + QPoint(40, 0));
    QCOMPARE(lblinfo->text(), QString("Select the number of characters to generate"));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, handle + QPoint(40, 0));
    QVERIFY(slider->value() > 5); // the drag still works
    QCOMPARE(control<QLabel>("lbl2")->text(), QString::number(slider->value()));
}

QTEST_MAIN(FrmMainTest)
#include "tst_frmmain.moc"
