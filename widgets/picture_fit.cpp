#include "widgets/picture_fit.h"

QRect fittedPictureRect(QSize picture, QSize control, PictureFit fit) {
  const int w = picture.width();
  const int h = picture.height();
  const int cw = control.width();
  const int ch = control.height();
  int dw = w;
  int dh = h;
  if (fit.stretch || (fit.proportional && (w > cw || h > ch))) {
    if (fit.proportional && w > 0 && h > 0) {
      const double aspect = static_cast<double>(w) / h;
      if (w > h) {
        dw = cw;
        dh = static_cast<int>(cw / aspect);
        if (dh > ch) {
          dh = ch;
          dw = static_cast<int>(ch * aspect);
        }
      } else {
        dh = ch;
        dw = static_cast<int>(ch * aspect);
        if (dw > cw) {
          dw = cw;
          dh = static_cast<int>(cw / aspect);
        }
      }
    } else {
      dw = cw;
      dh = ch;
    }
  }
  int left = 0;
  int top = 0;
  if (fit.center) {
    left = (cw - dw) / 2;  // C++ division truncates toward zero, as the rule wants
    top = (ch - dh) / 2;
  }
  return QRect(left, top, dw, dh);
}
