// Monitors at any display scaling. The program is not aware of scaling, like
// the encoder: the system gives both of them scaled ("logical") pixels for
// window places, the cursor and each monitor's rectangle, while the screen's
// pixels are the monitor's own ("physical") ones. Each monitor maps its
// logical rectangle onto its physical one; at 100 % the two are the same.
#pragma once

#include <optional>
#include <vector>

#include "base/window_placement.h"
#include "base/window_system.h"

namespace nolb {

struct MonitorScaling {
  WindowRect logical;   // as the system reports the monitor to the program
  WindowRect physical;  // the monitor's display mode: position and size in pixels
  bool operator==(const MonitorScaling&) const = default;
};

// A monitor from what the system reports: its logical rectangle and its
// display mode (nothing when that cannot be read). A mode is believed only
// when its size is the logical size scaled up by one factor in both
// directions (to a pixel); otherwise the monitor counts as unscaled, its
// pixels where the system puts it.
MonitorScaling MonitorFromMode(const WindowRect& logical, const std::optional<WindowRect>& mode);

// Whether the monitor's picture must be stretched between the two.
bool Scaled(const MonitorScaling& monitor);

// The smallest rectangle around every monitor's logical rectangle: the
// virtual screen. Empty (all 0) without monitors.
WindowRect VirtualScreen(const std::vector<MonitorScaling>& monitors);

// A point or a rectangle (right and bottom exclusive) mapped linearly by one
// monitor, rounded to the nearest pixel; it may lie outside the monitor.
Point LogicalToPhysical(const MonitorScaling& monitor, Point logical);
Point PhysicalToLogical(const MonitorScaling& monitor, Point physical);
WindowRect LogicalToPhysical(const MonitorScaling& monitor, const WindowRect& logical);
WindowRect PhysicalToLogical(const MonitorScaling& monitor, const WindowRect& physical);

// The monitor that a logical rectangle belongs to: the one it shares most
// pixels with, else the nearest (the first listed among equals). Nothing
// without monitors.
std::optional<MonitorScaling> MonitorOfLogical(const std::vector<MonitorScaling>& monitors,
                                               const WindowRect& logical);

// A logical rectangle on the screen's pixels, by the monitor it belongs to;
// unchanged without monitors.
WindowRect LogicalToPhysical(const std::vector<MonitorScaling>& monitors, const WindowRect& logical);

// A window's visible frame in logical pixels: its whole rectangle as the
// system gives it to the program, less the invisible resize border that
// Windows 10 keeps around a top-level window. The desktop's composition
// reports the frame it draws in the screen's pixels, not scaled for the
// program (nothing where it cannot be read); it is mapped by the monitor it
// lies on and kept inside the whole rectangle. A reading that shares no
// pixel with the whole rectangle is not believed.
WindowRect VisibleFrame(const std::vector<MonitorScaling>& monitors, const WindowRect& window,
                        const std::optional<WindowRect>& drawn);

// How a frozen picture of one monitor is taken: its physical pixels (screen
// coordinates) into a picture of its logical size, stretched where the two
// differ. Each monitor has a picture of its own: monitors of different
// scaling may overlap or leave a gap in logical pixels.
struct PictureCopy {
  WindowRect from;
  WindowRect to;
  bool stretch = false;
  bool operator==(const PictureCopy&) const = default;
};
PictureCopy MonitorPicture(const MonitorScaling& monitor);

}  // namespace nolb
