#include "platform/bundle.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLibraryInfo>

#ifdef Q_OS_WIN
#include <windows.h>

#include <cstdio>
#endif

namespace platform {

int LoadBundledFonts(const QString& programDir) {
  const QDir fonts(programDir + QStringLiteral("/fonts"));
  int added = 0;
  for (const QFileInfo& file : fonts.entryInfoList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files))
    if (QFontDatabase::addApplicationFont(file.absoluteFilePath()) >= 0) ++added;
  return added;
}

QString QtTranslationsDir(const QString& programDir) {
  const QString beside = programDir + QStringLiteral("/translations");
  return QFileInfo(beside).isDir() ? beside : QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

void UseParentConsole() {
#ifdef Q_OS_WIN
  // A stream that already leads somewhere was redirected by the caller.
  const auto unset = [](DWORD which) {
    const HANDLE h = GetStdHandle(which);
    return h == nullptr || h == INVALID_HANDLE_VALUE || GetFileType(h) == FILE_TYPE_UNKNOWN;
  };
  const bool out = unset(STD_OUTPUT_HANDLE);
  const bool err = unset(STD_ERROR_HANDLE);
  if (!(out || err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (out) std::freopen("CONOUT$", "w", stdout);
  if (err) std::freopen("CONOUT$", "w", stderr);
#endif
}

}  // namespace platform
