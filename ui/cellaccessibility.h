#pragma once

namespace keymint
{

// The character cells are out of view by their position, not hidden, so Qt would offer their
// symbols to screen readers; from here on they are reported as invisible, without a name.
void keepCharacterCellsFromScreenReaders();

} // namespace keymint
