// What a careless edit of a press could break: a bound one off in the draw, or arithmetic in
// single precision; a grayed check box that draws, or the two mode tests made one read; a lost
// or shared reseed, cells drawn out of order; the wrong cells joined, the slider read once, an
// early exit, a length outside 5 to 20 written.

#include "fakes.h"

#include <QTest>

using namespace keymint;

class GenerationTest : public QObject
{
    Q_OBJECT

private slots:
    // char1 draws 0 and char20 the largest number below 1; char2 draws the number just below
    // 17/26, which single precision would round up; char3 to char19 draw the middle of the
    // values 3 to 19 (letters) or 19 to 35 (letters and digits).
    void pressDrawsThenJoins_data()
    {
        QTest::addColumn<qint16>("check");
        QTest::addColumn<int>("slider");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("text1");
        // clang-format off
        QTest::newRow("letters, 5") << qint16(0) << 5 << "aqcdefghijklmnopqrsz" << "aqcde";
        QTest::newRow("letters, 4: no password") << qint16(0) << 4 << "aqcdefghijklmnopqrsz" << "before";
        QTest::newRow("letters, 21: no password") << qint16(0) << 21 << "aqcdefghijklmnopqrsz" << "before";
        QTest::newRow("alphanumeric, 20") << qint16(1) << 20 << "axstuvwxyz1234567890" << "axstuvwxyz1234567890";
        QTest::newRow("grayed: no draw") << qint16(2) << 5 << "--------------------" << "-----";
        // clang-format on
    }
    // Two tests of the check box, each reading it anew; the one that matches draws every cell
    // in order, each after a reseed of its own, whatever the length. Then sixteen tests, each
    // reading the slider anew, and the one that matches joins the first cells.
    void pressDrawsThenJoins()
    {
        QFETCH(qint16, check);
        QFETCH(int, slider);
        QFETCH(QString, cells);
        QFETCH(QString, text1);
        const float range = check == 1 ? AlphanumericRange : LettersRange;
        FakeGeneratorForm form;
        form.check1 = check, form.slider = slider;
        form.cells.fill("-");
        ScriptedRandomSource random(form.log, {0.0f, 10969718 * 0x1p-24f});
        for (int cell = 3; cell < CellCount; ++cell)
            random.script.push_back((static_cast<float>(cell + (check == 1 ? 16 : 0)) - 0.5f) /
                                    range);
        random.script.push_back(1.0f - 0x1p-24f);
        CallLog expected;
        for (int mode = 0; mode <= 1; ++mode) { // letters if 0, then alphanumeric if 1
            expected.emplace_back("read Check1");
            for (int cell = 1; check == mode && cell <= CellCount; ++cell) {
                const std::string symbol = cells.mid(cell - 1, 1).toStdString();
                expected.insert(expected.end(),
                                {"reseed", "next", "char" + std::to_string(cell) + " = " + symbol});
            }
        }
        for (int length = ShortestPassword; length <= LongestPassword; ++length) {
            expected.emplace_back("read Slider1");
            for (int cell = 1; length == slider && cell <= length; ++cell)
                expected.push_back("read char" + std::to_string(cell));
        }
        generatePassword(form, random);
        QCOMPARE(form.log, expected);
        QCOMPARE(QString::fromStdString(form.text1), text1);
    }
};

QTEST_APPLESS_MAIN(GenerationTest)
#include "tst_generation.moc"
