// Window handling: dragging the frameless window by its surface, the two panel switches and the
// small minimize button.
#include "ui/main_fenster.h"
#include "widgets/bitmap_slider.h"
#include "widgets/picture_image.h"

void TMainFenster::FormMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
  FDragging = true;
  FDragX = x;
  FDragY = y;
}

// Two separate moves, horizontal first; the grabbed point stays under the pointer. No bounds:
// the window may be dragged partly or wholly off the screen.
void TMainFenster::FormMouseMove(Qt::KeyboardModifiers, int x, int y) {
  if (!FDragging) {
    return;
  }
  move(x - FDragX + this->x(), this->y());
  move(this->x(), y - FDragY + this->y());
}

void TMainFenster::FormMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  FDragging = false;
}

// The scale and the position slider are shown and hidden together; the scale alone decides.
void TMainFenster::SwitchLevelClick() {
  if (Leiste->isHidden()) {
    Leiste->show();
    Slider1->show();
  } else {
    Leiste->hide();
    Slider1->hide();
  }
}

void TMainFenster::SwitchVolClick() {
  Slider2->setVisible(Slider2->isHidden());
}

// Minimizes the shown window. Not showMinimized(): it shows the window again after the state
// change, which would undo the auto-hide that the change triggers while the tray icon is active.
void TMainFenster::minimizeBtnClick() {
  setWindowState(windowState() | Qt::WindowMinimized);
}
