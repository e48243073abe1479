// Run with QT_SCALE_FACTOR=2: every window doubles on screen, the layout inside stays as
// designed, and the character cells stay out of view.

#include "fakeservices.h"
#include "frmMain.h"
#include "systemrandomsource.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace keymint;
using namespace keymint::test;

class HighDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void windowsDoubleWithLayoutIntact();
};

void HighDpiTest::windowsDoubleWithLayoutIntact()
{
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
    SystemRandomSource random;
    RecordingServices services;
    frmMain window(services.with(random));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QHash<QString, QSize> designSizes = {{"frmMain", {308, 251}},
                                               {"frmHowto", {459, 237}},
                                               {"frmHowit", {312, 214}},
                                               {"frmAbout", {312, 156}}};
    for (const char *button : {"cmdHowto", "cmdHowit", "cmdAbout"})
        QTest::mouseClick(window.findChild<QWidget *>(button), Qt::LeftButton);

    int checked = 0;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || !designSizes.contains(top->objectName()))
            continue;
        ++checked;
        const QSize design = designSizes[top->objectName()];
        QCOMPARE(top->size(), design); // the layout works in design pixels
        QCOMPARE(top->devicePixelRatio(), 2.0);
        QCOMPARE(top->grab().size(), design * 2);
    }
    QCOMPARE(checked, 4);

    QCOMPARE(window.findChild<QWidget *>("Command1")->geometry(), QRect(196, 108, 97, 25));
    for (int cell = 1; cell <= 25; ++cell) {
        const auto label = window.findChild<QLabel *>(QString("char%1").arg(cell));
        QVERIFY(!window.rect().intersects(label->geometry()));
    }
}

QTEST_MAIN(HighDpiTest)
#include "tst_highdpi.moc"
