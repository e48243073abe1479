#pragma once

#include "generatorform.h"
#include "randomsource.h"

namespace keymint
{

inline constexpr int CellCount = 20;
inline constexpr int LettersRange = 26;
inline constexpr int AlphanumericRange = 36;
inline constexpr int ShortestPassword = 5;
inline constexpr int LongestPassword = 20;

// The drawn value for a random number r and a range n: floor(r * n + 1), formed in double
// precision and held as a single-precision number. A non-finite or unrepresentable result
// is the run time's floating-point error.
float drawnValue(float r, int range);

// Fills the twenty character cells: letters when Check1 is 0, letters and digits when it is 1,
// nothing for any other value.
void drawSymbols(GeneratorForm &form, RandomSource &random);

// Puts the captions of the first N cells, N being the slider's value, into Text1.
// A slider value outside 5 to 20 leaves Text1 alone.
void composePassword(GeneratorForm &form);

// One press of "Generate": the draw, then the composition.
void generatePassword(GeneratorForm &form, RandomSource &random);

} // namespace keymint
