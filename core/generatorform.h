#pragma once

#include <cstdint>
#include <string>

namespace keymint
{

// The controls of the main window that a press of "Generate" reads and writes.
// Any of these may fail by throwing RunTimeError; the press then stops at that step.
class GeneratorForm
{
public:
    virtual ~GeneratorForm() = default;

    // Check1's Value: 0 unchecked, 1 checked, 2 grayed.
    virtual std::int16_t check1Value() = 0;
    // The caption of the character cell char<cell>, cell 1 to 20.
    virtual std::string cellCaption(int cell) = 0;
    virtual void setCellCaption(int cell, const std::string &caption) = 0;
    // Slider1's current position.
    virtual std::int32_t slider1Value() = 0;
    virtual void setText1Text(const std::string &text) = 0;
};

} // namespace keymint
