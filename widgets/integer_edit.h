#pragma once

#include <QLineEdit>

#include <cstdint>

#include "widgets/integer_edit_core.h"

// The integer edit box: a line edit whose typing is limited to a number within optional bounds
// (the rules are in integer_edit_core.h). Typed keys are filtered one by one; pasted text is not,
// so the box can hold any text, which then reads as 0 when it is not a number. Right-aligned,
// grey with white text and a flat one-pixel border; the font is the owner's to set.
class IntegerEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit IntegerEdit(QWidget* parent = nullptr);

  // The text read as a number (0 when empty or not a 32-bit decimal integer); not limited.
  std::int32_t value() const;
  // Limited by the bounds in force; the text becomes the value in decimal.
  void setValue(std::int32_t value);

  // Plain stored values: writing them changes neither the text nor the value.
  std::int32_t minValue() const { return limits_.minValue; }
  void setMinValue(std::int32_t value) { limits_.minValue = value; }
  std::int32_t maxValue() const { return limits_.maxValue; }
  void setMaxValue(std::int32_t value) { limits_.maxValue = value; }
  bool hasMinValue() const { return limits_.hasMinValue; }
  void setHasMinValue(bool on) { limits_.hasMinValue = on; }
  bool hasMaxValue() const { return limits_.hasMaxValue; }
  void setHasMaxValue(bool on) { limits_.hasMaxValue = on; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  IntegerLimits limits_;
};
