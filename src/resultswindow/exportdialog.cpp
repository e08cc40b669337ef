#include "resultswindow/exportdialog.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include "history/statsfile.h"
#include "platform/system.h"

namespace resultswindow {

namespace {

// A name fit for a file name on any system: letters, digits and dashes.
QString FileNamePart(const QString& text) {
  QString part = text.trimmed();
  // Polish letters stay: "Łucja", not "_ucja".
  part.replace(QRegularExpression(QStringLiteral("[^\\w-]+"), QRegularExpression::UseUnicodePropertiesOption),
               QStringLiteral("_"));
  return part;
}

}  // namespace

QDate Today(platform::Clock& clock) {
  const QDateTime now = history::ToUtcDateTime(clock.UtcNow());
  return now.isValid() ? now.toLocalTime().date() : QDate::currentDate();
}

QString DayText(QDate day) { return day.toString(QStringLiteral("yyyy-MM-dd")); }

QString SuggestedFileName(platform::Clock& clock, const QString& child, const QString& extension) {
  return QStringLiteral("wyniki-%1-%2.%3").arg(FileNamePart(child), DayText(Today(clock)), extension);
}

QFileDialog* SaveDialog(QWidget* parent, const QString& suggestedPath, const QString& filter) {
  auto* dialog = new QFileDialog(parent, QStringLiteral("Zapisz wyniki"), QFileInfo(suggestedPath).absolutePath(), filter);
  // Qt's own dialog: it adds the default suffix before its question about
  // replacing a file, which a system dialog may not.
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setDefaultSuffix(QFileInfo(suggestedPath).suffix());
  dialog->selectFile(QFileInfo(suggestedPath).fileName());
  return dialog;
}

QString Export(QWidget* parent, const platform::Services& say, const AskPath& ask, const QString& caption, const QString& suggestedName,
               const QString& filter, const std::function<QString(const QString& path)>& save) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  QString path = ask(QDir(folder).filePath(suggestedName), filter);
  if (path.isEmpty()) return {};
  const QString extension = QFileInfo(suggestedName).suffix();
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + extension;
  const QString failure = save(path);
  if (!failure.isEmpty()) {
    say.messageBox(parent, failure, caption, platform::MessageIcon::Error);
    return {};
  }
  return path;
}

}  // namespace resultswindow
