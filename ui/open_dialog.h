#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// What the file dialog is asked to show and what the user confirmed.
struct OpenDialogRequest {
  QString title;
  QStringList nameFilters;  // one entry per filter, in order
  int filterIndex = 1;      // 1-based, the filter selected when the dialog opens
  QString fileName;         // the file name last confirmed, filled in
};

struct OpenDialogChoice {
  QString fileName;
  int filterIndex = 1;
};

// Runs the modal file dialog. One real implementation (Qt's file dialog); handler tests script it.
class FileDialogRunner {
 public:
  virtual ~FileDialogRunner() = default;
  // Empty when the user cancels.
  virtual std::optional<OpenDialogChoice> run(const OpenDialogRequest& request) = 0;
};

class QtFileDialogRunner : public FileDialogRunner {
 public:
  std::optional<OpenDialogChoice> run(const OpenDialogRequest& request) override;
};

// The open dialog `OpenDlg`: title, filter, the chosen file name and the filter index. The
// filter uses the "description|patterns|description|patterns" form; entry 1 is audio, entry 2
// video. A confirmed dialog stores the file and the filter selected at that moment; a cancelled
// one changes nothing.
class OpenDialog {
 public:
  explicit OpenDialog(std::unique_ptr<FileDialogRunner> runner);

  QString title;
  QString filter;

  QString fileName() const { return fileName_; }
  int filterIndex() const { return filterIndex_; }
  void setFilterIndex(int index) { filterIndex_ = index; }

  // Shows the dialog; true when the user confirmed a file.
  bool execute();

  // The filter as Qt name filters ("description (*.a *.b)"), one per entry.
  static QStringList nameFilters(const QString& filter);

 private:
  std::unique_ptr<FileDialogRunner> runner_;
  QString fileName_;
  int filterIndex_ = 1;
};
