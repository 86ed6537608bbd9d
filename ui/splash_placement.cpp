#include "ui/splash_placement.h"

#include <algorithm>

namespace {

// A window larger than the desktop in this direction starts at the desktop's edge.
int centredOffset(int desktopExtent, int windowExtent) {
  return std::max(0, (desktopExtent - windowExtent) / 2);
}

}  // namespace

QPoint desktopCenterPlacement(QSize window, QRect desktop) {
  return desktop.topLeft() + QPoint(centredOffset(desktop.width(), window.width()),
                                    centredOffset(desktop.height(), window.height()));
}
