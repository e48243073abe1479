#include "fakeservices.h"
#include "frmMain.h"
#include "passwordlistfile.h"
#include "systemrandomsource.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

using namespace keymint;
using namespace keymint::test;

namespace
{

constexpr int Presses = 10000;
constexpr int Saves = 1000;
constexpr int WarmUpPresses = 1000;
constexpr int WarmUpSaves = 100;
// What the run may add to the resident memory after the warm-up: allocator noise only.
constexpr long AllowedGrowthKiB = 512;

long residentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const auto match = QRegularExpression("VmRSS:\\s+(\\d+) kB").match(status.readAll());
    return match.hasMatch() ? match.captured(1).toLong() : -1;
}

// Confirmations are only counted, so that the test itself keeps nothing per save.
class CountingMessageBoxes final : public MessageBoxes
{
public:
    void information(QWidget *, const QString &, const QString &) override { ++confirmations; }
    void error(QWidget *, const QString &, const QString &text) override { errors << text; }

    long confirmations = 0;
    QStringList errors;
};

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void manyPressesAndSavesKeepMemoryFlatAndLinesWhole();
};

void SoakTest::manyPressesAndSavesKeepMemoryFlatAndLinesWhole()
{
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    SystemRandomSource random;
    CountingMessageBoxes messages;
    PasswordListFile passwordList;
    RecordingProgramEnd end;
    frmMain window(
        {.random = &random, .messages = &messages, .passwordList = &passwordList, .end = &end});
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.findChild<QSlider *>("Slider1")->setValue(20);
    QTest::mouseClick(window.findChild<QWidget *>("Check1"), Qt::LeftButton);
    auto generate = window.findChild<QWidget *>("Command1");
    auto text1 = window.findChild<QLineEdit *>("Text1");

    const auto run = [&](int presses, int saves) {
        for (int press = 0; press < presses; ++press) {
            QTest::mouseClick(generate, Qt::LeftButton);
            if (press % (presses / saves) == 0)
                QTest::mouseDClick(text1, Qt::LeftButton);
        }
    };
    run(WarmUpPresses, WarmUpSaves);
    const long before = residentKiB();
    QElapsedTimer timer;
    timer.start();
    run(Presses, Saves);
    const long after = residentKiB();
    qInfo("%d presses and %d saves in %lld ms; resident memory %ld KiB before, %ld KiB after",
          Presses, Saves, timer.elapsed(), before, after);

    QVERIFY(before > 0);
#ifdef __SANITIZE_ADDRESS__
    // AddressSanitizer holds freed memory back on purpose; it checks for leaks itself.
#else
    QVERIFY2(after - before <= AllowedGrowthKiB, qPrintable(QString::number(after - before)));
#endif
    QCOMPARE(messages.errors, QStringList());
    QCOMPARE(messages.confirmations, long(WarmUpSaves + Saves));
    QVERIFY(!end.exitCode);

    QFile list("password.txt");
    QVERIFY(list.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = list.readAll().split('\n');
    QCOMPARE(lines.takeLast(), QByteArray());
    QCOMPARE(lines.size(), WarmUpSaves + Saves);
    const QRegularExpression whole("^[a-z0-9]{20}\r$");
    for (const QByteArray &line : lines)
        QVERIFY2(whole.match(QString::fromLatin1(line)).hasMatch(), line.constData());
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
