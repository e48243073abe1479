#pragma once

class QLineEdit;

namespace keymint
{

// From now on every copy out of the box is marked as secret, so that clipboard managers, and
// Windows' clipboard history and cloud clipboard, keep none: Ctrl+C and Ctrl+Insert, Cut (and
// X11's Ctrl+K and Ctrl+U), the context menu's Copy and Cut, and the selection that a
// middle-click pastes.
void markCopiesSecret(QLineEdit *box);

} // namespace keymint
