#pragma once

#include <QStringList>

#include "app/error_box.h"

// Records the messages the error box would show.
class RecordingErrorBox : public ErrorBox {
 public:
  void show(const QString& message) override { messages << message; }
  QStringList messages;
};
