#pragma once

#include <QChar>
#include <QString>

#include <cstdint>

// The limits of the integer edit box; each bound applies only while its flag is set.
struct IntegerLimits {
  std::int32_t minValue = 0;
  std::int32_t maxValue = 0;
  bool hasMinValue = false;
  bool hasMaxValue = false;

  bool contains(std::int32_t value) const;
  // The value moved to the nearest bound in force.
  std::int32_t limit(std::int32_t value) const;
};

// The integer edit box's reading and typing rules, without any widget.
namespace integer_edit {

// The value a text reads as: an optional sign and decimal digits that fit in 32 bits; anything
// else (an empty text, a stray character, an overflow) reads as 0. Not limited.
std::int32_t readValue(const QString& text);

// Whether a typed printable character goes in: it must be a digit or a minus sign (the minus
// only at the start, and not while a bound of 0 or more keeps the value from going negative),
// and the text it would make, with the selection replaced by it, must read as a value within
// the limits. `cursor` is where the caret stands when nothing is selected.
bool acceptsTypedChar(const QString& text, int selectionStart, int selectionLength, int cursor, QChar ch,
                      const IntegerLimits& limits);

}  // namespace integer_edit
