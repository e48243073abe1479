#include "fakes.h"
#include "generation.h"
#include "runtimeerror.h"
#include "symbolalphabet.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <vector>

using namespace keymint;
using namespace keymint::test;

namespace
{

constexpr float LargestBelowOne = 1.0f - 0x1p-24f;

std::vector<float> repeated(float r, int count = CellCount)
{
    return std::vector<float>(static_cast<std::size_t>(count), r);
}

} // namespace

class SymbolDrawTest : public QObject
{
    Q_OBJECT

private slots:
    void symbolOfBoundaryNumbers_data();
    void symbolOfBoundaryNumbers();
    void everyNumberMapsIntoRangeWithEvenShares_data();
    void everyNumberMapsIntoRangeWithEvenShares();
    void numbersLandInCellsInOrder();
    void reseedBeforeEveryDraw_data();
    void reseedBeforeEveryDraw();
    void otherCheckValueDrawsNothing();
    void nonFiniteNumberIsFloatingPointError_data();
    void nonFiniteNumberIsFloatingPointError();
    void failedCaptionWriteStopsThePress();
};

void SymbolDrawTest::symbolOfBoundaryNumbers_data()
{
    QTest::addColumn<qint16>("check");
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("symbol");

    QTest::newRow("letters, r = 0") << qint16(0) << 0.0f << "a";
    QTest::newRow("alphanumeric, r = 0") << qint16(1) << 0.0f << "a";
    QTest::newRow("letters, largest r") << qint16(0) << LargestBelowOne << "z";
    QTest::newRow("alphanumeric, largest r") << qint16(1) << LargestBelowOne << "0";
    QTest::newRow("letters, value 26") << qint16(0) << randomFor(26, 26) << "z";
    QTest::newRow("alphanumeric, value 26") << qint16(1) << randomFor(26, 36) << "z";
    QTest::newRow("alphanumeric, value 27") << qint16(1) << randomFor(27, 36) << "1";
    QTest::newRow("alphanumeric, value 35") << qint16(1) << randomFor(35, 36) << "9";
    QTest::newRow("alphanumeric, value 36") << qint16(1) << randomFor(36, 36) << "0";
}

void SymbolDrawTest::symbolOfBoundaryNumbers()
{
    QFETCH(qint16, check);
    QFETCH(float, r);
    QFETCH(QString, symbol);

    FakeGeneratorForm form;
    form.check1 = check;
    ScriptedRandomSource random(repeated(r));
    drawSymbols(form, random);

    for (int cell = 1; cell <= CellCount; ++cell)
        QCOMPARE(QString::fromStdString(form.cells[cell]), symbol);
}

void SymbolDrawTest::everyNumberMapsIntoRangeWithEvenShares_data()
{
    QTest::addColumn<int>("range");
    QTest::newRow("letters") << LettersRange;
    QTest::newRow("alphanumeric") << AlphanumericRange;
}

// Every one of the 2^24 numbers the random service can give lands on a value from 1 to n,
// and no value gets more than one number more than another: the mapping adds no bias.
void SymbolDrawTest::everyNumberMapsIntoRangeWithEvenShares()
{
    QFETCH(int, range);
    std::vector<long> shares(static_cast<std::size_t>(range) + 1, 0);
    for (std::uint32_t k = 0; k < (1u << 24); ++k) {
        const float value = drawnValue(static_cast<float>(k) * 0x1p-24f, range);
        if (value < 1 || value > static_cast<float>(range) || value != std::floor(value))
            QFAIL(qPrintable(QString("k = %1 gives the value %2").arg(k).arg(value)));
        ++shares[static_cast<std::size_t>(value)];
    }
    const auto [fewest, most] = std::minmax_element(shares.begin() + 1, shares.end());
    QVERIFY2(*most - *fewest <= 1, qPrintable(QString("%1 to %2").arg(*fewest).arg(*most)));
}

void SymbolDrawTest::numbersLandInCellsInOrder()
{
    // r1 to r20 spell out the values 1, 2, ... 20 in Alphanumeric mode.
    std::vector<float> script;
    for (int value = 1; value <= CellCount; ++value)
        script.push_back(randomFor(value, AlphanumericRange));
    FakeGeneratorForm form;
    form.check1 = 1;
    ScriptedRandomSource random(script);
    drawSymbols(form, random);

    for (int cell = 1; cell <= CellCount; ++cell)
        QCOMPARE(form.cells[cell], std::string(SymbolAlphabet[cell - 1]));
}

void SymbolDrawTest::reseedBeforeEveryDraw_data()
{
    QTest::addColumn<qint16>("check");
    QTest::newRow("letters") << qint16(0);
    QTest::newRow("alphanumeric") << qint16(1);
}

// Each cell: reseed, one number, one caption write, in cell order; the slider length plays
// no part, so all twenty cells are redrawn at the shortest length too.
void SymbolDrawTest::reseedBeforeEveryDraw()
{
    QFETCH(qint16, check);
    CallLog log;
    FakeGeneratorForm form(&log);
    form.check1 = check;
    form.slider = ShortestPassword;
    ScriptedRandomSource random(repeated(0.5f), &log);
    generatePassword(form, random);

    CallLog expected;
    for (int cell = 1; cell <= CellCount; ++cell)
        expected.insert(expected.end(), {"reseed", "next", "write char" + std::to_string(cell)});
    QCOMPARE(log, expected);
    QCOMPARE(form.check1Reads, 2);
}

void SymbolDrawTest::otherCheckValueDrawsNothing()
{
    FakeGeneratorForm form;
    form.check1 = 2;
    const auto before = form.cells;
    ScriptedRandomSource random({});
    generatePassword(form, random);

    QCOMPARE(random.reseeds, 0);
    QCOMPARE(form.check1Reads, 2);
    QVERIFY(form.cells == before);
    // The composition still runs on the cells as they were.
    QCOMPARE(form.text1, form.firstCells(ShortestPassword));
}

void SymbolDrawTest::nonFiniteNumberIsFloatingPointError_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("errorNumber");
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 5;
    QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << 6;
    QTest::newRow("too large for single precision") << std::numeric_limits<float>::max() << 6;
}

void SymbolDrawTest::nonFiniteNumberIsFloatingPointError()
{
    QFETCH(float, r);
    QFETCH(int, errorNumber);
    FakeGeneratorForm form;
    ScriptedRandomSource random({0.0f, r});
    form.text1 = "kept";

    try {
        generatePassword(form, random);
        QFAIL("no run-time error");
    } catch (const RunTimeError &error) {
        QCOMPARE(error.number(), errorNumber);
    }
    QCOMPARE(form.cells[1], std::string("a"));
    QCOMPARE(form.captionWrites[2], 0);
    QCOMPARE(form.text1, std::string("kept"));
}

void SymbolDrawTest::failedCaptionWriteStopsThePress()
{
    constexpr int failingCell = 7;
    FakeGeneratorForm form;
    for (int cell = 1; cell <= CellCount; ++cell)
        form.cells[cell] = "old";
    form.failCaptionWriteAt = failingCell;
    form.text1 = "typed by hand";
    ScriptedRandomSource random(repeated(0.0f));

    QVERIFY_THROWS_EXCEPTION(RunTimeError, generatePassword(form, random));
    for (int cell = 1; cell <= CellCount; ++cell)
        QCOMPARE(form.cells[cell], std::string(cell < failingCell ? "a" : "old"));
    QCOMPARE(random.reseeds, failingCell);
    QCOMPARE(form.sliderReads, 0);
    QCOMPARE(form.text1, std::string("typed by hand"));
}

QTEST_APPLESS_MAIN(SymbolDrawTest)
#include "tst_symboldraw.moc"
