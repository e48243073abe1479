#include "generation.h"

#include "runtimeerror.h"
#include "symbolalphabet.h"

#include <cfloat>
#include <cmath>
#include <string>

namespace keymint
{

float drawnValue(float r, int range)
{
    // Exact in double precision for every single-precision r and a range up to 36.
    const double value = std::floor(static_cast<double>(r) * range + 1.0);
    if (std::isnan(value))
        throw RunTimeError::invalidArgument();
    if (std::fabs(value) > FLT_MAX)
        throw RunTimeError::overflow();
    return static_cast<float>(value);
}

// Draws one symbol of the first `range` rows of SymbolAlphabet into the cell `cell`.
static void drawCell(GeneratorForm &form, RandomSource &random, int cell, int range)
{
    random.reseed();
    const float value = drawnValue(random.next(), range);
    // Every row is compared, even after the match, so that each draw costs the same.
    for (int k = 1; k <= range; ++k) {
        if (value == static_cast<float>(k))
            form.setCellCaption(cell, std::string(SymbolAlphabet[k - 1]));
    }
}

static void drawAllCells(GeneratorForm &form, RandomSource &random, int range)
{
    for (int cell = 1; cell <= CellCount; ++cell)
        drawCell(form, random, cell, range);
}

void drawSymbols(GeneratorForm &form, RandomSource &random)
{
    // Two separate tests, each reading the check box anew: a grayed box (2) draws nothing.
    if (form.check1Value() == 0)
        drawAllCells(form, random, LettersRange);
    if (form.check1Value() == 1)
        drawAllCells(form, random, AlphanumericRange);
}

void composePassword(GeneratorForm &form)
{
    for (int length = ShortestPassword; length <= LongestPassword; ++length) {
        if (form.slider1Value() != length)
            continue;
        std::string password;
        for (int cell = 1; cell <= length; ++cell)
            password += form.cellCaption(cell);
        form.setText1Text(password);
    }
}

void generatePassword(GeneratorForm &form, RandomSource &random)
{
    drawSymbols(form, random);
    composePassword(form);
}

} // namespace keymint
