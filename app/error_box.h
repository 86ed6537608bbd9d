#pragma once

#include <QString>

// The text the error box shows for an error message: a period is appended when the message is
// not empty and its last character's code is above that of "." (so "Fehler" and "Datei?" get one,
// "Fehler." and "Achtung!" do not).
QString errorBoxText(const QString& message);

// Where an error that escapes an event handler is reported. The program has one real
// implementation (a modal message box); tests put a recorder in its place.
class ErrorBox {
 public:
  virtual ~ErrorBox() = default;
  virtual void show(const QString& message) = 0;
};

// The message box: caption "Quorvi", stop icon, one OK button, modal for the whole application.
class MessageErrorBox : public ErrorBox {
 public:
  void show(const QString& message) override;
};
