#include "fakes.h"
#include "symbolalphabet.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace keymint;
using namespace keymint::test;

namespace
{

std::vector<float> repeated(float r)
{
    return std::vector<float>(CellCount, r);
}

} // namespace

class GenerationTest : public QObject
{
    Q_OBJECT

private slots:
    void symbolOfNumber_data();
    void symbolOfNumber();
    void everyNumberMapsIntoRangeEvenly();
    void pressDrawsEveryCellInOrderAfterItsReseed();
    void grayedCheckBoxDrawsNothing();
    void failureStopsThePressWhereItHappens();
    void passwordJoinsTheFirstCells_data();
    void passwordJoinsTheFirstCells();
    void shorterPasswordIsPrefixOfLonger();
};

void GenerationTest::symbolOfNumber_data()
{
    QTest::addColumn<qint16>("check");
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("symbol");
    const float largest = 1.0f - 0x1p-24f; // the largest r below 1
    QTest::newRow("letters, 0") << qint16(0) << 0.0f << "a";
    QTest::newRow("letters, largest") << qint16(0) << largest << "z";
    QTest::newRow("alphanumeric, 0") << qint16(1) << 0.0f << "a";
    QTest::newRow("alphanumeric, largest") << qint16(1) << largest << "0";
    QTest::newRow("alphanumeric, 27") << qint16(1) << randomFor(27, 36) << "1";
    QTest::newRow("alphanumeric, 35") << qint16(1) << randomFor(35, 36) << "9";
}

void GenerationTest::symbolOfNumber()
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

// All 2^24 numbers the random service gives land on a value from 1 to n, and no value gets
// more than one number more than another: the mapping adds no bias.
void GenerationTest::everyNumberMapsIntoRangeEvenly()
{
    for (int range : {LettersRange, AlphanumericRange}) {
        std::vector<long> shares(range + 1, 0);
        for (std::uint32_t k = 0; k < (1U << 24); ++k) {
            const float value = drawnValue(static_cast<float>(k) * 0x1p-24f, range);
            if (value < 1 || value > static_cast<float>(range) || value != std::floor(value))
                QFAIL(qPrintable(QString("k = %1 gives %2").arg(k).arg(value)));
            ++shares[static_cast<std::size_t>(value)];
        }
        const auto [fewest, most] = std::minmax_element(shares.begin() + 1, shares.end());
        QVERIFY(*most - *fewest <= 1);
    }
}

// r1 to r20 land in char1 to char20, each after a reseed of its own, also at length 5.
void GenerationTest::pressDrawsEveryCellInOrderAfterItsReseed()
{
    FakeGeneratorForm form;
    form.check1 = 1;
    std::vector<float> script;
    CallLog expected;
    for (int cell = 1; cell <= CellCount; ++cell) {
        script.push_back(randomFor(cell, AlphanumericRange));
        expected.insert(expected.end(), {"reseed", "next", "write char" + std::to_string(cell)});
    }
    ScriptedRandomSource random(script, &form.log);
    generatePassword(form, random);

    QCOMPARE(form.log, expected);
    QCOMPARE(form.check1Reads, 2);
    for (int cell = 1; cell <= CellCount; ++cell)
        QCOMPARE(form.cells[cell], std::string(SymbolAlphabet[cell - 1]));
    QCOMPARE(form.text1, std::string("abcde"));
}

void GenerationTest::grayedCheckBoxDrawsNothing()
{
    FakeGeneratorForm form;
    form.check1 = 2;
    form.cells.fill("k");
    ScriptedRandomSource random({});
    generatePassword(form, random);
    QVERIFY(form.log.empty());
    QCOMPARE(form.check1Reads, 2);
    QCOMPARE(form.text1, std::string("kkkkk")); // composed from the cells as they were
}

void GenerationTest::failureStopsThePressWhereItHappens()
{
    // A caption write that fails at char7: the cells before it are new, the rest as they were.
    FakeGeneratorForm form;
    form.cells.fill("old");
    form.failCaptionWriteAt = 7;
    ScriptedRandomSource random(repeated(0.0f));
    QVERIFY_THROWS_EXCEPTION(RunTimeError, generatePassword(form, random));
    for (int cell = 1; cell <= CellCount; ++cell)
        QCOMPARE(form.cells[cell], std::string(cell < 7 ? "a" : "old"));
    QCOMPARE(form.text1Writes, 0);

    // A number no arithmetic can take is the run time's error, not a symbol.
    QVERIFY_THROWS_EXCEPTION(RunTimeError, drawnValue(std::nanf(""), LettersRange));
    QVERIFY_THROWS_EXCEPTION(RunTimeError, drawnValue(std::numeric_limits<float>::max(), 36));
}

void GenerationTest::passwordJoinsTheFirstCells_data()
{
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("expected");
    QTest::newRow("5") << 5 << "abcde";
    QTest::newRow("12") << 12 << "abcdefghijkl";
    QTest::newRow("20") << 20 << "abcdefghijklmnopqrst";
    QTest::newRow("4, below the range") << 4 << "unchanged";
    QTest::newRow("21, above the range") << 21 << "unchanged";
}

// Sixteen tests at every press, each with a read of its own; each cell read once at most.
void GenerationTest::passwordJoinsTheFirstCells()
{
    QFETCH(int, slider);
    QFETCH(QString, expected);
    FakeGeneratorForm form;
    for (int cell = 1; cell <= CellCount; ++cell)
        form.cells[cell] = std::string(1, static_cast<char>('a' + cell - 1));
    form.slider = slider;
    form.text1 = "unchanged";
    composePassword(form);

    QCOMPARE(QString::fromStdString(form.text1), expected);
    QCOMPARE(form.sliderReads, 16);
    for (int cell = 1; cell <= CellCount; ++cell)
        QVERIFY(form.captionReads[cell] <= 1);
}

void GenerationTest::shorterPasswordIsPrefixOfLonger()
{
    FakeGeneratorForm form;
    std::vector<float> script;
    for (int cell = 1; cell <= CellCount; ++cell)
        script.push_back(randomFor(27 - cell, LettersRange));
    ScriptedRandomSource random(script);
    drawSymbols(form, random);
    std::string previous;
    for (int length = ShortestPassword; length <= LongestPassword; ++length) {
        form.slider = length;
        composePassword(form);
        QCOMPARE(form.text1.size(), std::size_t(length));
        QVERIFY(form.text1.starts_with(previous));
        previous = form.text1;
    }
    QCOMPARE(previous, std::string("zyxwvutsrqponmlkjihg"));
}

QTEST_APPLESS_MAIN(GenerationTest)
#include "tst_generation.moc"
