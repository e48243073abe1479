#pragma once

// The main window as a press of "Generate" sees it, made of plain values, and a random source
// that plays back a script. Both write into one log, so a test sees every step of a press.

#include "generation.h"

#include <array>
#include <string>
#include <vector>

using CallLog = std::vector<std::string>;

struct FakeGeneratorForm final : keymint::GeneratorForm {
    std::int16_t check1Value() override { return log.emplace_back("read Check1"), check1; }
    std::string cellCaption(int cell) override
    {
        return log.push_back("read char" + std::to_string(cell)), cells.at(cell);
    }
    void setCellCaption(int cell, const std::string &caption) override
    {
        log.push_back("char" + std::to_string(cell) + " = " + (cells.at(cell) = caption));
    }
    std::int32_t slider1Value() override { return log.emplace_back("read Slider1"), slider; }
    void setText1Text(const std::string &text) override { text1 = text; }

    std::int16_t check1 = 0;
    std::int32_t slider = keymint::ShortestPassword;
    std::array<std::string, keymint::CellCount + 1> cells{}; // by cell number; [0] unused
    std::string text1 = "before";
    CallLog log;
};

struct ScriptedRandomSource final : keymint::RandomSource {
    ScriptedRandomSource(CallLog &log, std::vector<float> script) : log(log), script(script) {}
    void reseed() override { log.emplace_back("reseed"); }
    float next() override { return log.emplace_back("next"), script.at(position++); }

    CallLog &log;
    std::vector<float> script;
    std::size_t position = 0;
};
