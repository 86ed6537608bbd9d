#include "widgets/skin_control.h"

SkinControl::SkinControl(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void SkinControl::setHint(const QString& text) {
  hint_ = text;
}

bool SkinControl::acceptsPoint(const QPoint& local) const {
  return rect().contains(local);
}

void SkinControl::routedMousePress(Qt::MouseButton, const QPoint&, bool) {}
void SkinControl::routedMouseMove(const QPoint&, Qt::MouseButtons) {}
void SkinControl::routedMouseRelease(Qt::MouseButton, const QPoint&) {}
void SkinControl::routedClick() {}
void SkinControl::routedEnter() {}
void SkinControl::routedLeave() {}
