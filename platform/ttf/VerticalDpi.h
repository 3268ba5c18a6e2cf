#pragma once

namespace fl {

// Dots per inch of the primary display, vertically: from SDL when its video
// system runs, else from the X server's screen size, else 96.
double MeasureVerticalDpi();

}  // namespace fl
