#pragma once
#include "platform/win32/WinTypes.h"

namespace netvik::app {

// Grows each label of a dialog whose text does not fit it, measured with the
// label's own font as the label draws it: downwards, by what its text needs
// at its width, so that a label that fits keeps the size of the design. What
// lies below a grown label moves down by as much, a frame around it grows
// with it, and so does the window. Returns how many pixels taller the
// window's client area has become.
int FitTexts(HWND dialog);

}  // namespace netvik::app
