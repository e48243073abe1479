#pragma once

// Test doubles for the generation core: a main window made of plain values and a random source
// that plays back a script. Both write into one call log, so a test sees the order of reseeds,
// draws and caption writes.

#include "generation.h"
#include "runtimeerror.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace keymint::test
{

using CallLog = std::vector<std::string>;

class FakeGeneratorForm final : public GeneratorForm
{
public:
    std::int16_t check1Value() override { return ++check1Reads, check1; }
    std::string cellCaption(int cell) override { return ++captionReads[cell], cells.at(cell); }
    void setCellCaption(int cell, const std::string &caption) override
    {
        if (cell == failCaptionWriteAt)
            throw RunTimeError(440, "Automation error");
        log.push_back("write char" + std::to_string(cell));
        cells.at(cell) = caption;
    }
    std::int32_t slider1Value() override { return ++sliderReads, slider; }
    void setText1Text(const std::string &text) override { ++text1Writes, text1 = text; }

    std::int16_t check1 = 0;
    std::int32_t slider = ShortestPassword;
    std::array<std::string, CellCount + 1> cells{}; // by cell number; [0] unused
    std::string text1;
    int failCaptionWriteAt = 0; // 0: no write fails
    int check1Reads = 0, sliderReads = 0, text1Writes = 0;
    std::array<int, CellCount + 1> captionReads{};
    CallLog log;
};

class ScriptedRandomSource final : public RandomSource
{
public:
    explicit ScriptedRandomSource(std::vector<float> script, CallLog *log = nullptr)
        : m_script(std::move(script)), m_log(log)
    {
    }
    void reseed() override { record("reseed"); }
    float next() override
    {
        if (m_position >= m_script.size())
            throw std::logic_error("the random script ran out");
        record("next");
        return m_script[m_position++];
    }

private:
    void record(const char *call)
    {
        if (m_log)
            m_log->push_back(call);
    }
    std::vector<float> m_script;
    std::size_t m_position = 0;
    CallLog *m_log;
};

// A number that the draw turns into `value` for the range `range`: the middle of its interval.
inline float randomFor(int value, int range)
{
    return (static_cast<float>(value) - 0.5f) / static_cast<float>(range);
}

} // namespace keymint::test
