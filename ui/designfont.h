#pragma once

class QWidget;

namespace keymint
{

// Every window is set in Arial 8.25 points. Designer files hold whole point sizes only, so the
// size is set here; it reaches every control, and each keeps its own weight.
void applyDesignFontSize(QWidget *form);

// Where Arial is missing (on Linux, and under Wine), Liberation Sans, made to its measure,
// stands in for it. Asked for before the first window, which takes its fonts then.
void substituteDesignFont();

// In a right-to-left language every control of the form takes the mirror image of its place
// within its parent, as a form does on a right-to-left Windows. Qt mirrors what layouts place,
// and the text in each control, but not controls placed by coordinates, as the forms' are.
void mirrorForRightToLeft(QWidget *form);

} // namespace keymint
