#include "history/exporttarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "history/statsfile.h"
#include "platform/savefile.h"

namespace history {

namespace {

bool IsProgramFileName(const QFileInfo& info) {
  const QString name = info.fileName().toLower();
  if (name == QLatin1String("data.ini") || name == QLatin1String("profil.ini")) return true;
  if (name.startsWith(QLatin1String("prgst")) && name.endsWith(QLatin1String(".stt"))) return true;
  // A child's recordings and the adult's voices.
  const QString folder = QFileInfo(info.absolutePath()).fileName().toLower();
  return name.endsWith(QLatin1String(".wav")) && (folder == QLatin1String("nagrania") || folder == QLatin1String("glosy"));
}

// The file already holds a statistics header, whatever its name.
bool HoldsStatistics(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  return ReadStatsBytes(file.read(statrec::kHeaderSize), path).Ok();
}

}  // namespace

QString ExportRefusal(const QString& path) {
  const QString refusal = platform::WriteRefusal(path);
  if (!refusal.isEmpty()) return refusal;
  const QFileInfo info(path);
  if (IsProgramFileName(info) || (info.exists() && HoldsStatistics(path)))
    return QStringLiteral("to plik, w którym program przechowuje wyniki, ustawienia lub nagrania");
  return {};
}

QString SaveExport(const QString& path, const QByteArray& bytes) {
  const QString shown = QDir::toNativeSeparators(path);
  const QString refusal = ExportRefusal(path);
  if (!refusal.isEmpty()) return QStringLiteral("Nie zapisano pliku „%1”: %2.").arg(shown, refusal);
  const QString failure = platform::WriteWholeFile(path, bytes, platform::Privacy::Shared);
  if (!failure.isEmpty()) return QStringLiteral("Nie można zapisać pliku „%1”: %2.").arg(shown, failure);
  return {};
}

int ExportFromCommandLine(const QString& statsPath, const QString& path, const ExportWriter& save, QTextStream& out,
                          QTextStream& err) {
  const StatsFile stats = ReadStatsFile(statsPath);
  if (!stats.Ok()) {
    err << stats.error << Qt::endl;
    return 1;
  }
  if (!stats.warning.isEmpty()) err << stats.warning << Qt::endl;
  const QString failure = save(stats.records, path);
  if (!failure.isEmpty()) {
    err << failure << Qt::endl;
    return 1;
  }
  out << QStringLiteral("Zapisano plik „%1” (gry: %2).").arg(QDir::toNativeSeparators(path)).arg(stats.records.size())
      << Qt::endl;
  return 0;
}

}  // namespace history
