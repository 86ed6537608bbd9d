#include "ui/open_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

std::optional<OpenDialogChoice> QtFileDialogRunner::run(const OpenDialogRequest& request) {
  QFileDialog dialog(nullptr, request.title);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // Show the filters by their descriptions only; the patterns stay behind them.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(request.nameFilters);
  if (request.filterIndex >= 1 && request.filterIndex <= request.nameFilters.size()) {
    dialog.selectNameFilter(request.nameFilters.at(request.filterIndex - 1));
  }
  if (!request.fileName.isEmpty()) {
    const QFileInfo last(request.fileName);
    dialog.setDirectory(last.absolutePath());
    dialog.selectFile(last.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  OpenDialogChoice choice;
  choice.fileName = dialog.selectedFiles().constFirst();
  const int selected = request.nameFilters.indexOf(dialog.selectedNameFilter());
  choice.filterIndex = selected >= 0 ? selected + 1 : request.filterIndex;
  return choice;
}

OpenDialog::OpenDialog(std::unique_ptr<FileDialogRunner> runner) : runner_(std::move(runner)) {}

QStringList OpenDialog::nameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList result;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      // Linux file names are case-sensitive; a user's "SONG.MP3" should be listed as well.
      patterns << pattern << pattern.toUpper();
    }
    result << parts.at(i) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return result;
}

bool OpenDialog::execute() {
  OpenDialogRequest request;
  request.title = title;
  request.nameFilters = nameFilters(filter);
  request.filterIndex = filterIndex_;
  request.fileName = fileName_;
  const std::optional<OpenDialogChoice> choice = runner_->run(request);
  if (!choice) {
    return false;
  }
  fileName_ = choice->fileName;
  filterIndex_ = choice->filterIndex;
  return true;
}
