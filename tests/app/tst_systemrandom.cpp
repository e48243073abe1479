#include "chisquare.h"
#include "fakes.h"
#include "generation.h"
#include "symbolalphabet.h"
#include "systemrandomsource.h"

#include <QTest>

#include <algorithm>
#include <set>

using namespace keymint;
using namespace keymint::test;

namespace
{

constexpr int Presses = 3600; // about 100 of each symbol in each cell
// Two modes, each with one overall test and one per cell. Their thresholds share one
// chance in 10,000 of a false failure for the whole suite.
constexpr int ChiSquareTests = 2 * (1 + CellCount);
constexpr double SuiteFalseAlarm = 1e-4;
constexpr double TestFalseAlarm = SuiteFalseAlarm / ChiSquareTests;

int rowOf(const std::string &symbol)
{
    const auto it = std::find(SymbolAlphabet.begin(), SymbolAlphabet.end(), symbol);
    return it == SymbolAlphabet.end() ? -1 : static_cast<int>(it - SymbolAlphabet.begin());
}

} // namespace

class SystemRandomTest : public QObject
{
    Q_OBJECT

private slots:
    void unitFloatCoversTheHalfOpenInterval();
    void chiSquareHelperMatchesClosedForm();
    void pressesAreUniform_data();
    void pressesAreUniform();
    void twentyDrawsAreNotAllAlike();
};

void SystemRandomTest::unitFloatCoversTheHalfOpenInterval()
{
    QCOMPARE(SystemRandomSource::unitFloatFrom24Bits(0), 0.0f);
    QCOMPARE(SystemRandomSource::unitFloatFrom24Bits(1), 0x1p-24f);
    QCOMPARE(SystemRandomSource::unitFloatFrom24Bits(0x00ffffff), 1.0f - 0x1p-24f);
    // Only the low 24 bits count: a float holds no more exactly.
    QCOMPARE(SystemRandomSource::unitFloatFrom24Bits(0xffffffff), 1.0f - 0x1p-24f);
    QCOMPARE(SystemRandomSource::unitFloatFrom24Bits(0xff000000), 0.0f);

    SystemRandomSource random;
    for (int i = 0; i < 10000; ++i) {
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
    }
}

void SystemRandomTest::chiSquareHelperMatchesClosedForm()
{
    // With two degrees of freedom the upper tail is exp(-x / 2).
    for (double x : {0.5, 3.0, 20.0, 60.0})
        QVERIFY(std::fabs(chiSquareUpperTail(x, 2) / std::exp(-x / 2) - 1.0) < 1e-9);
    // Known quantile: P(chi2 with 25 df >= 37.652) = 0.05.
    QVERIFY(std::fabs(chiSquareUpperTail(37.652, 25) - 0.05) < 1e-4);
}

void SystemRandomTest::pressesAreUniform_data()
{
    QTest::addColumn<qint16>("check");
    QTest::addColumn<int>("range");
    QTest::newRow("letters") << qint16(0) << LettersRange;
    QTest::newRow("alphanumeric") << qint16(1) << AlphanumericRange;
}

// Real presses with the operating system's generator: every symbol of the mode appears in every
// cell, no other symbol ever does, and the counts pass chi-square tests overall and per cell.
void SystemRandomTest::pressesAreUniform()
{
    QFETCH(qint16, check);
    QFETCH(int, range);
    FakeGeneratorForm form;
    form.check1 = check;
    form.slider = LongestPassword;
    SystemRandomSource random;

    using Counts = std::vector<std::int64_t>;
    std::vector<Counts> perCell(CellCount, Counts(static_cast<std::size_t>(range), 0));
    Counts overall(static_cast<std::size_t>(range), 0);
    for (int press = 0; press < Presses; ++press) {
        generatePassword(form, random);
        QCOMPARE(form.text1.size(), std::size_t(CellCount));
        for (int cell = 1; cell <= CellCount; ++cell) {
            const int row = rowOf(form.cells[cell]);
            QVERIFY2(row >= 0 && row < range, form.cells[cell].c_str());
            ++perCell[cell - 1][row];
            ++overall[row];
        }
    }

    for (int cell = 1; cell <= CellCount; ++cell) {
        const Counts &counts = perCell[cell - 1];
        QVERIFY2(std::count(counts.begin(), counts.end(), 0) == 0,
                 qPrintable(QString("a symbol never reached char%1").arg(cell)));
        const double p = chiSquareUpperTail(chiSquareOfUniform(counts), range - 1);
        QVERIFY2(p > TestFalseAlarm, qPrintable(QString("char%1: p = %2").arg(cell).arg(p)));
    }
    const double p = chiSquareUpperTail(chiSquareOfUniform(overall), range - 1);
    QVERIFY2(p > TestFalseAlarm, qPrintable(QString("all cells: p = %1").arg(p)));
}

void SystemRandomTest::twentyDrawsAreNotAllAlike()
{
    FakeGeneratorForm form;
    SystemRandomSource random;
    drawSymbols(form, random);
    const std::set<std::string> symbols(form.cells.begin() + 1, form.cells.end());
    QVERIFY(symbols.size() > 1);
}

QTEST_APPLESS_MAIN(SystemRandomTest)
#include "tst_systemrandom.moc"
