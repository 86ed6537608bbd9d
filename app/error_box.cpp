#include "app/error_box.h"

#include <QApplication>
#include <QMessageBox>

QString errorBoxText(const QString& message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') {
    return message + QLatin1Char('.');
  }
  return message;
}

void MessageErrorBox::show(const QString& message) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), errorBoxText(message),
                  QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}
