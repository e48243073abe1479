#include "fakes.h"
#include "symbolalphabet.h"
#include "systemrandomsource.h"

#include <QTest>

#include <cmath>

using namespace keymint;
using namespace keymint::test;

namespace
{

// Two modes, each tested overall and per cell; the thresholds share one chance in 10,000 of
// a false failure for the whole suite.
constexpr int Presses = 3600; // about 100 of each symbol in each cell
constexpr double TestFalseAlarm = 1e-4 / (2 * (1 + CellCount));

// The chi-square value that `degrees` degrees of freedom exceed with chance p, by Wilson and
// Hilferty's cube-root normal approximation; z comes from the normal tail by bisection.
double chiSquareThreshold(int degrees, double p)
{
    double low = 0, high = 10;
    for (int step = 0; step < 100; ++step) {
        const double z = (low + high) / 2;
        (std::erfc(z / std::sqrt(2.0)) / 2 > p ? low : high) = z;
    }
    const double k = degrees, spread = 2.0 / (9 * k);
    return k * std::pow(1 - spread + low * std::sqrt(spread), 3);
}

double chiSquare(const std::vector<double> &counts)
{
    double total = 0, statistic = 0;
    for (double count : counts)
        total += count;
    const double expected = total / static_cast<double>(counts.size());
    for (double count : counts)
        statistic += (count - expected) * (count - expected) / expected;
    return statistic;
}

} // namespace

class SystemRandomTest : public QObject
{
    Q_OBJECT

private slots:
    void numbersCoverTheHalfOpenInterval();
    void pressesAreUniform_data();
    void pressesAreUniform();
};

void SystemRandomTest::numbersCoverTheHalfOpenInterval()
{
    QCOMPARE(SystemRandomSource::unitFloatFrom24Bits(0), 0.0f);
    QCOMPARE(SystemRandomSource::unitFloatFrom24Bits(1), 0x1p-24f);
    QCOMPARE(SystemRandomSource::unitFloatFrom24Bits(0xffffffff), 1.0f - 0x1p-24f);
    QCOMPARE(SystemRandomSource::unitFloatFrom24Bits(0xff000000), 0.0f); // low 24 bits only
    QVERIFY(std::fabs(chiSquareThreshold(25, 0.05) - 37.65) < 0.05);     // a table value
}

void SystemRandomTest::pressesAreUniform_data()
{
    QTest::addColumn<qint16>("check");
    QTest::addColumn<int>("range");
    QTest::newRow("letters") << qint16(0) << LettersRange;
    QTest::newRow("alphanumeric") << qint16(1) << AlphanumericRange;
}

// Real presses: only the mode's symbols, every one in every cell, chi-square passed overall
// and per cell, and never twenty alike.
void SystemRandomTest::pressesAreUniform()
{
    QFETCH(qint16, check);
    QFETCH(int, range);
    FakeGeneratorForm form;
    form.check1 = check;
    SystemRandomSource random;
    std::vector<std::vector<double>> perCell(CellCount + 1, std::vector<double>(range, 0));
    for (int press = 0; press < Presses; ++press) {
        generatePassword(form, random);
        for (int cell = 1; cell <= CellCount; ++cell) {
            const auto row = std::find(SymbolAlphabet.begin(), SymbolAlphabet.begin() + range,
                                       form.cells[cell]) -
                             SymbolAlphabet.begin();
            QVERIFY2(row < range, form.cells[cell].c_str());
            ++perCell[cell][row];
            ++perCell[0][row]; // all cells together
        }
        QVERIFY(std::count(form.cells.begin() + 1, form.cells.end(), form.cells[1]) < CellCount);
    }
    const double threshold = chiSquareThreshold(range - 1, TestFalseAlarm);
    for (int cell = 0; cell <= CellCount; ++cell) {
        QVERIFY(std::count(perCell[cell].begin(), perCell[cell].end(), 0.0) == 0);
        QVERIFY2(chiSquare(perCell[cell]) < threshold, qPrintable(QString("cell %1").arg(cell)));
    }
}

QTEST_APPLESS_MAIN(SystemRandomTest)
#include "tst_systemrandom.moc"
