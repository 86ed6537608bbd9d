#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the splash window goes: centred on the whole desktop, which is the bounding rectangle of
// every screen (pass the union of QGuiApplication::screens()' geometries). Per direction,
// (desktop extent - window extent) div 2, and 0 where the window is larger than the desktop, so
// its top-left corner always stays on the desktop.
//
// The result is offset by the desktop's top-left corner. On X11 the desktop always starts at
// (0, 0), so this changes nothing there; where screens extend to negative coordinates it keeps
// the window centred on the desktop instead of shifting it by the desktop's origin.
QPoint desktopCenterPlacement(QSize window, QRect desktop);
