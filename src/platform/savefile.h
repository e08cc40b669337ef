#pragma once

#include <QByteArray>
#include <QString>

// Writing a file so that it is whole or not written at all. Every file the
// program writes goes through here: its settings, a child's profile and
// recordings, the adult's voices and the exports. A failure keeps the old
// file as it was and is said in Polish.
namespace platform {

enum class Privacy {
  Shared,   // a new file gets the usual permissions (an export for the adult)
  Private,  // readable by its owner only (0600), also when it replaces one
};

// Why `path` may not be written over: a link (never written through) or
// something that is not a regular file (a folder, a device, a pipe). Empty
// when it is a regular file or does not exist.
QString WriteRefusal(const QString& path);

// Replaces the contents of `path` with `bytes` through a temporary file that
// takes its place only when complete. In a folder that takes no new file, an
// existing writable file is rewritten in place, and put back as it was when
// the new contents do not fit. Returns an empty string, or why it failed
// ("brak miejsca na dysku", …) without the file's name.
QString WriteWholeFile(const QString& path, const QByteArray& bytes, Privacy privacy);

// Makes `folder` with its missing parents. The folder itself and the
// parents made here become readable by their owner only (0700); folders
// that were already there above it are left alone. False when it cannot
// be made or is not a folder.
bool MakePrivateFolder(const QString& folder);

// The operating system's error `code` (errno) in Polish.
QString SystemErrorText(int code);

}  // namespace platform
