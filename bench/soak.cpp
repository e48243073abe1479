// Endurance: presses "Generate" and saves to a real password list many times over, after a
// warm-up of a tenth of that, and prints the time, the resident memory before and after, and
// whether every line of the list is whole. Fails when a line is torn, a save fails, or the
// memory grows by more than the bound given.
//   keymint_soak [presses] [saves] [allowed growth in KiB]

#include "frmMain.h"
#include "passwordlistfile.h"
#include "systemrandomsource.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
// windows.h first
#include <psapi.h>
#endif

using namespace keymint;

namespace
{

long residentKiB()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return -1;
    return static_cast<long>(counters.WorkingSetSize / 1024);
#endif
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const auto match = QRegularExpression("VmRSS:\\s+(\\d+) kB").match(status.readAll());
    return match.hasMatch() ? match.captured(1).toLong() : -1;
}

// Under qemu's user-mode emulation the resident memory is the emulator's, whose cache of
// translated code grows whenever code runs that had not run before. An arm64 program there
// reads the host's /proc/cpuinfo, which lacks the "CPU implementer" of every arm64 kernel's.
bool underEmulation()
{
#ifdef __aarch64__
    QFile cpuinfo("/proc/cpuinfo");
    return cpuinfo.open(QIODevice::ReadOnly) && !cpuinfo.readAll().contains("CPU implementer");
#else
    return false;
#endif
}

// Confirmations are only counted, so that nothing here grows with the saves.
class CountingServices final : public MessageBoxes, public ProgramEnd
{
public:
    void information(QWidget *, const QString &, const QString &) override { ++confirmations; }
    void error(QWidget *, const QString &, const QString &) override { ++errors; }
    void endProgram(int) override { ++errors; }

    long confirmations = 0;
    long errors = 0;
};

// The lines of the list that are not a whole password of twenty letters and digits.
long tornLines(const QString &path, long expectedLines)
{
    QFile list(path);
    if (!list.open(QIODevice::ReadOnly))
        return expectedLines;
    QList<QByteArray> lines = list.readAll().split('\n');
    long torn = lines.takeLast().isEmpty() ? 0 : 1;
    const QRegularExpression whole("^[a-z0-9]{20}\r$");
    for (const QByteArray &line : lines)
        torn += whole.match(QString::fromLatin1(line)).hasMatch() ? 0 : 1;
    return torn + std::abs(static_cast<long>(lines.size()) - expectedLines);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int saves = argc > 2 ? std::atoi(argv[2]) : 1000;
    const long allowedGrowthKiB = argc > 3 ? std::atol(argv[3]) : -1;
    if (presses < 10 || saves < 10 || saves > presses) {
        std::fprintf(stderr, "usage: keymint_soak [presses] [saves] [allowed growth in KiB]\n");
        return 2;
    }

    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    SystemRandomSource random;
    CountingServices services;
    PasswordListFile passwordList;
    frmMain window({.random = &random,
                    .messages = &services,
                    .passwordList = &passwordList,
                    .end = &services});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.findChild<QSlider *>("Slider1")->setValue(20);
    QTest::mouseClick(window.findChild<QWidget *>("Check1"), Qt::LeftButton);
    auto generate = window.findChild<QWidget *>("Command1");
    auto text1 = window.findChild<QLineEdit *>("Text1");
    long doubleClicks = 0;
    const auto run = [&](int presses, int saves) {
        for (int press = 0; press < presses; ++press) {
            QTest::mouseClick(generate, Qt::LeftButton);
            if (press % (presses / saves) == 0)
                QTest::mouseDClick(text1, Qt::LeftButton), ++doubleClicks;
        }
    };

    run(presses / 10, saves / 10);
    const long warmUpSaves = doubleClicks;
    const long before = residentKiB();
    QElapsedTimer timer;
    timer.start();
    run(presses, saves);
    const long after = residentKiB();
    const long torn = tornLines(dir.filePath("password.txt"), services.confirmations);

    std::printf("%d presses and %ld saves in %lld ms, after a warm-up of %d and %ld\n", presses,
                doubleClicks - warmUpSaves, static_cast<long long>(timer.elapsed()), presses / 10,
                warmUpSaves);
    std::printf("resident memory %ld KiB before, %ld KiB after\n", before, after);
    std::printf("%ld saves confirmed, %ld lines torn or missing, %ld errors\n",
                services.confirmations, torn, services.errors);
    bool grew = allowedGrowthKiB >= 0 && (before < 0 || after - before > allowedGrowthKiB);
#ifdef __SANITIZE_ADDRESS__
    grew = false; // AddressSanitizer holds freed memory back on purpose and checks leaks itself
#endif
    if (grew && underEmulation()) {
        std::printf("growth not judged: under an emulator, the memory is the emulator's\n");
        grew = false;
    }
    if (grew)
        std::printf("memory grew by more than %ld KiB\n", allowedGrowthKiB);
    const bool whole = torn == 0 && services.errors == 0 && services.confirmations == doubleClicks;
    return whole && !grew ? 0 : 1;
}
