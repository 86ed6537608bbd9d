#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "widgets/progress_core.h"
#include "widgets/skin_control.h"

// The gradient progress bar: blocks that fill from the left in a colour running from the start
// colour to the end colour, a caption on top and a sunken border. All arithmetic and drawing live
// in ProgressCore; this widget feeds it its size and font and copies its picture when painting.
// A write that changes nothing shown neither redraws the picture nor schedules a repaint.
class GradientProgress : public SkinControl {
  Q_OBJECT

 public:
  explicit GradientProgress(QWidget* parent = nullptr);

  void setPosition(qint32 position);
  qint32 position() const { return core_.position(); }
  void setMaximum(qint32 maximum);
  qint32 maximum() const { return core_.maximum(); }
  qint32 minimum() const { return core_.minimum(); }
  // The share of the range covered, in whole per cent (see progressPercent()).
  int progressPercent() const { return core_.percent(); }

  void setCaption(const QString& caption);
  QString caption() const { return core_.caption(); }
  // The caption's colour; the face and size come from QWidget::setFont().
  void setTextColor(QColor color);

  void setStartColor(QColor color);
  QColor startColor() const { return core_.startColor(); }
  void setEndColor(QColor color);
  QColor endColor() const { return core_.endColor(); }
  void setColor(QColor color);
  QColor color() const { return core_.color(); }
  void setGradientBlocks(bool on);
  void setTextCentered(bool on);
  void setBorderSingle(bool on);

  // Filled pixels of the inside, and the picture painting copies.
  int fill() const { return core_.fill(); }
  const QImage& image() const { return core_.image(); }
  int redrawCount() const { return core_.redrawCount(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void syncSize();
  // Schedules a repaint when the core redrew its picture.
  void repaintIf(bool redrawn);

  ProgressCore core_;
};
