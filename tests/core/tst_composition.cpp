#include "fakes.h"
#include "generation.h"

#include <QTest>

using namespace keymint;
using namespace keymint::test;

namespace
{

// Distinct captions, so that a skipped, repeated or swapped cell shows in the result.
void fillCells(FakeGeneratorForm &form)
{
    for (int cell = 1; cell <= CellCount; ++cell)
        form.cells[cell] = std::string(1, static_cast<char>('a' + cell - 1));
}

} // namespace

class CompositionTest : public QObject
{
    Q_OBJECT

private slots:
    void joinsTheFirstCells_data();
    void joinsTheFirstCells();
    void shorterPasswordIsPrefixOfLonger();
    void captionsAreTakenWhole();
    void pressReplacesTheText();
};

void CompositionTest::joinsTheFirstCells_data()
{
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("expected");

    QTest::newRow("5") << 5 << "abcde";
    QTest::newRow("12") << 12 << "abcdefghijkl";
    QTest::newRow("20") << 20 << "abcdefghijklmnopqrst";
    QTest::newRow("4, below the range") << 4 << "unchanged";
    QTest::newRow("21, above the range") << 21 << "unchanged";
    QTest::newRow("negative") << -5 << "unchanged";
}

// All sixteen lengths are tested at every press, each with a read of its own.
void CompositionTest::joinsTheFirstCells()
{
    QFETCH(int, slider);
    QFETCH(QString, expected);
    FakeGeneratorForm form;
    fillCells(form);
    form.slider = slider;
    form.text1 = "unchanged";

    composePassword(form);

    QCOMPARE(QString::fromStdString(form.text1), expected);
    QCOMPARE(form.sliderReads, 16);
    const bool matches = slider >= ShortestPassword && slider <= LongestPassword;
    QCOMPARE(form.text1Writes, matches ? 1 : 0);
    for (int cell = 1; cell <= CellCount; ++cell)
        QCOMPARE(form.captionReads[cell], matches && cell <= slider ? 1 : 0);
}

void CompositionTest::shorterPasswordIsPrefixOfLonger()
{
    FakeGeneratorForm form;
    form.check1 = 1;
    std::vector<float> script;
    for (int cell = 1; cell <= CellCount; ++cell)
        script.push_back(randomFor(37 - cell, AlphanumericRange));
    ScriptedRandomSource random(script);
    drawSymbols(form, random);

    std::string previous;
    for (int length = ShortestPassword; length <= LongestPassword; ++length) {
        form.slider = length;
        composePassword(form);
        QCOMPARE(form.text1.size(), static_cast<std::size_t>(length));
        QVERIFY(form.text1.starts_with(previous));
        previous = form.text1;
    }
    QCOMPARE(previous, std::string("0987654321zyxwvutsrq"));
}

void CompositionTest::captionsAreTakenWhole()
{
    FakeGeneratorForm form;
    fillCells(form);
    form.cells[2] = "";
    form.cells[4] = "xyz";
    form.slider = 6;

    composePassword(form);

    QCOMPARE(form.text1, std::string("acxyzef"));
}

void CompositionTest::pressReplacesTheText()
{
    FakeGeneratorForm form;
    form.text1 = "typed by hand";
    ScriptedRandomSource random(std::vector<float>(2 * CellCount, 0.0f));

    generatePassword(form, random);
    QCOMPARE(form.text1, std::string("aaaaa"));
    generatePassword(form, random);
    QCOMPARE(form.text1, std::string("aaaaa"));
}

QTEST_APPLESS_MAIN(CompositionTest)
#include "tst_composition.moc"
