#include "widgets/integer_edit_core.h"

#include <algorithm>
#include <limits>

bool IntegerLimits::contains(std::int32_t value) const {
  return (!hasMinValue || value >= minValue) && (!hasMaxValue || value <= maxValue);
}

std::int32_t IntegerLimits::limit(std::int32_t value) const {
  if (hasMaxValue && value > maxValue) {
    value = maxValue;
  }
  if (hasMinValue && value < minValue) {
    value = minValue;
  }
  return value;
}

namespace integer_edit {

std::int32_t readValue(const QString& text) {
  qsizetype i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
    negative = text[i] == u'-';
    ++i;
  }
  if (i == text.size()) {
    return 0;
  }
  // Accumulated as a magnitude in 64 bits; the negative side reaches one further than the
  // positive side.
  const std::int64_t bound = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                      : std::numeric_limits<std::int32_t>::max();
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c < u'0' || c > u'9') {
      return 0;
    }
    magnitude = magnitude * 10 + (c - u'0');
    if (magnitude > bound) {
      return 0;
    }
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

bool acceptsTypedChar(const QString& text, int selectionStart, int selectionLength, int cursor, QChar ch,
                      const IntegerLimits& limits) {
  const bool minus = ch == u'-';
  if (!minus && !(ch >= u'0' && ch <= u'9')) {
    return false;
  }
  const int at = selectionLength > 0 ? selectionStart : cursor;
  if (minus && ((limits.hasMinValue && limits.minValue >= 0) || at != 0)) {
    return false;
  }
  QString next = text;
  next.replace(at, selectionLength > 0 ? selectionLength : 0, ch);
  return limits.contains(readValue(next));
}

}  // namespace integer_edit
