#pragma once

#include <QRect>
#include <QSize>

// How a picture of size `picture` is placed in a control of size `control` (the picture-fitting
// rules of the plain picture kind): stretched, scaled with its aspect kept, or at its own size
// and cut by the control's edges; moved to the middle with `center`. The result is in the
// control's coordinates and may reach outside it (a centred picture larger than the control).
struct PictureFit {
  bool stretch = false;
  bool proportional = false;
  bool center = false;
};

QRect fittedPictureRect(QSize picture, QSize control, PictureFit fit);
