#pragma once

namespace keymint
{

// Where the symbol draw takes its random numbers from.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // Called before every single draw.
    virtual void reseed() = 0;
    // The next number r, single precision, 0 <= r < 1.
    virtual float next() = 0;
};

} // namespace keymint
