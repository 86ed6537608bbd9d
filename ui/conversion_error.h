#pragma once

#include <QString>
#include <stdexcept>

// A text that should hold a decimal integer and does not. The message is the error box's text.
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const QString& text)
      : std::runtime_error(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text).toStdString()) {}
};

// Reads `text` as a 32-bit decimal integer (surrounding blanks allowed) or throws ConversionError.
qint32 toIntegerOrThrow(const QString& text);
