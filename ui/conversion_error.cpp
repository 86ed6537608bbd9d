#include "ui/conversion_error.h"

qint32 toIntegerOrThrow(const QString& text) {
  bool ok = false;
  const qint32 value = text.trimmed().toInt(&ok, 10);
  if (!ok) {
    throw ConversionError(text);
  }
  return value;
}
