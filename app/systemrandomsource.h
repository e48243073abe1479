#pragma once

#include "randomsource.h"

#include <cstdint>

namespace keymint
{

// Random numbers from the operating system's cryptographic generator. Nothing of the clock
// goes into them, so cells drawn within one clock tick, or two copies of the program started
// together, are still independent and unpredictable.
class SystemRandomSource final : public RandomSource
{
public:
    // The system generator needs no seed; a reseed leaves it as it is.
    void reseed() override {}
    float next() override;

    // k * 2^-24 for the low 24 bits k: exactly representable in single precision, so every
    // one of the 2^24 values from 0 to 1 - 2^-24 is equally likely.
    static float unitFloatFrom24Bits(std::uint32_t bits);
};

} // namespace keymint
