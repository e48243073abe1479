// One whole press of "Generate" (twenty draws and the composition at length 20), with the
// operating system's random source and with a scripted one that costs next to nothing.

#include "generation.h"
#include "systemrandomsource.h"

#include <array>
#include <benchmark/benchmark.h>

using namespace keymint;

namespace
{

// The main window's controls as plain values.
class MemoryForm final : public GeneratorForm
{
public:
    std::int16_t check1Value() override { return check1; }
    std::string cellCaption(int cell) override { return cells[cell]; }
    void setCellCaption(int cell, const std::string &caption) override { cells[cell] = caption; }
    std::int32_t slider1Value() override { return LongestPassword; }
    void setText1Text(const std::string &text) override { text1 = text; }

    std::int16_t check1 = 0;
    std::array<std::string, CellCount + 1> cells;
    std::string text1;
};

// Twenty fixed numbers, played round and round.
class CyclingRandomSource final : public RandomSource
{
public:
    void reseed() override {}
    float next() override
    {
        m_position = (m_position + 1) % m_numbers.size();
        return m_numbers[m_position];
    }

private:
    std::array<float, CellCount> m_numbers{0.01f, 0.93f, 0.42f, 0.77f, 0.18f, 0.65f, 0.30f,
                                           0.88f, 0.05f, 0.51f, 0.99f, 0.24f, 0.70f, 0.36f,
                                           0.59f, 0.12f, 0.81f, 0.47f, 0.03f, 0.95f};
    std::size_t m_position = 0;
};

void press(benchmark::State &state, RandomSource &random)
{
    MemoryForm form;
    form.check1 = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) {
        generatePassword(form, random);
        benchmark::DoNotOptimize(form.text1.data());
    }
}

void BM_PressSystemRandom(benchmark::State &state)
{
    SystemRandomSource random;
    press(state, random);
}

void BM_PressScriptedRandom(benchmark::State &state)
{
    CyclingRandomSource random;
    press(state, random);
}

} // namespace

// The argument is Check1's value: 0 letters, 1 letters and digits.
BENCHMARK(BM_PressSystemRandom)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PressScriptedRandom)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
