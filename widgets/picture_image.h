#pragma once

#include <QImage>

#include "widgets/picture_fit.h"
#include "widgets/skin_control.h"

// The plain picture control: shows one picture, fitted by PictureFit. With `transparent` the
// pixels of the picture's transparent colour (the colour of its bottom-left pixel) are not drawn.
// With `autoSize` the control takes the picture's size whenever the picture changes.
class PictureImage : public SkinControl {
  Q_OBJECT

 public:
  explicit PictureImage(QWidget* parent = nullptr);

  QImage picture() const { return picture_; }
  void setPicture(const QImage& picture);

  void setFit(PictureFit fit);
  PictureFit fit() const { return fit_; }
  void setTransparent(bool on);
  bool transparent() const { return transparent_; }
  void setAutoSize(bool on);

  // Where the current picture lies in the control's coordinates.
  QRect pictureRect() const;
  // Whether the picture, as drawn, shows its transparent colour at `local`; false where the
  // picture does not cover the point.
  bool showsTransparentColorAt(const QPoint& local) const;
  // The transparent colour of `image`: its bottom-left pixel.
  static QRgb transparentColorOf(const QImage& image);

 protected:
  // The picture this control draws now; PictureButton swaps it for its state pictures.
  void setShownPicture(const QImage& picture);
  const QImage& shownPicture() const { return shown_; }
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The shown picture scaled to its drawn size by nearest-pixel sampling, transparent colour
  // turned into alpha 0. Drawing and the hit test both use it, so they agree pixel for pixel.
  const QImage& drawnPicture() const;

  QImage picture_;
  QImage shown_;
  PictureFit fit_;
  bool transparent_ = false;
  bool autoSize_ = false;
  mutable QImage drawnCache_;
  mutable bool drawnValid_ = false;
};
