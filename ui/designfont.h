#pragma once

class QWidget;

namespace keymint
{

// Every window is set in Arial 8.25 points. Designer files hold whole point sizes only, so the
// size is set here; it reaches every control, and each keeps its own weight.
void applyDesignFontSize(QWidget *form);

} // namespace keymint
