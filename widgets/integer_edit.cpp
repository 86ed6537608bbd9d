#include "widgets/integer_edit.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

// Grey box (the classic medium grey 160, 160, 164), white digits, a flat black frame one pixel wide.
constexpr auto kLook =
    "QLineEdit { background-color: rgb(160, 160, 164); color: white; border: 1px solid black;"
    " padding: 0px; border-radius: 0px; }";

}  // namespace

IntegerEdit::IntegerEdit(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setStyleSheet(QString::fromLatin1(kLook));
  setValue(0);
}

std::int32_t IntegerEdit::value() const {
  return integer_edit::readValue(text());
}

void IntegerEdit::setValue(std::int32_t value) {
  setText(QString::number(limits_.limit(value)));
}

void IntegerEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  const QString typed = event->text();
  const bool shortcut = event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::MetaModifier) &&
                        !event->modifiers().testFlag(Qt::AltModifier);
  const bool printable =
      !typed.isEmpty() && std::all_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.isPrint(); });
  if (shortcut || !printable) {
    // Backspace, Delete, the clipboard shortcuts, caret movement and the like act as usual.
    QLineEdit::keyPressEvent(event);
    return;
  }
  // Each character is checked against the text the ones before it would leave.
  QString text = this->text();
  int start = hasSelectedText() ? selectionStart() : cursorPosition();
  int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
  for (const QChar c : typed) {
    if (!integer_edit::acceptsTypedChar(text, start, length, start, c, limits_)) {
      event->accept();
      return;
    }
    text.replace(start, length, c);
    ++start;
    length = 0;
  }
  QLineEdit::keyPressEvent(event);
}
