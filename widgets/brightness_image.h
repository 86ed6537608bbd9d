#pragma once

#include <QImage>
#include <QWidget>

// The splash logo that fades: shows its source picture through renderBrightness(). The source is
// a copy taken when the picture is set and never changes afterwards; every rendering starts from
// it. Setting the brightness renders at once, also when the value is the same; changing an effect
// renders when it changes. A rendering asked for while one runs (from a displayedPictureChanged()
// listener) is skipped. Takes no mouse input: the splash window ignores clicks.
class BrightnessImage : public QWidget {
  Q_OBJECT

 public:
  explicit BrightnessImage(QWidget* parent = nullptr);

  // Takes the source copy and renders it; with autoSize() the widget takes the picture's size.
  void setPicture(const QImage& picture);
  QImage picture() const { return source_; }
  void setAutoSize(bool on);
  bool autoSize() const { return autoSize_; }

  quint8 brightness() const { return brightness_; }
  void setBrightness(quint8 brightness);
  bool inverted() const { return inverted_; }
  void setInverted(bool on);
  bool flipped() const { return flipped_; }
  void setFlipped(bool on);
  bool mirrored() const { return mirrored_; }
  void setMirrored(bool on);

  // What the widget draws: the last rendering.
  const QImage& displayedPicture() const { return displayed_; }

 Q_SIGNALS:
  // A rendering replaced the displayed picture; sent while the rendering still runs.
  void displayedPictureChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void render();

  QImage source_;
  QImage displayed_;
  quint8 brightness_ = 100;
  bool inverted_ = false;
  bool flipped_ = false;
  bool mirrored_ = false;
  bool autoSize_ = true;
  bool rendering_ = false;
};
