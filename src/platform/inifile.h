#pragma once

#include <QString>
#include <memory>

namespace platform {

// An INI file in memory: sections, keys and values, case-insensitive, with the
// other keys, their order and the comments of the file kept when it is saved.
class IniFile {
 public:
  IniFile();
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  // Reads the file. False when it cannot be read, is no regular file (a
  // link to a device, a pipe) or is larger than `maxBytes`; a missing file
  // is an error too, so callers test for existence first.
  bool Load(const QString& path, qint64 maxBytes = kMaxBytes);
  // Far more than any settings file of the program holds.
  static constexpr qint64 kMaxBytes = 1 << 20;
  bool LoadText(const QByteArray& text);

  // The integer at section/key: decimal, or hexadecimal after "0x". A missing
  // key, or text that is not a whole number, gives `fallback`. The result
  // keeps the low 32 bits.
  qint32 ReadInteger(const QString& section, const QString& key, qint32 fallback) const;
  void WriteInteger(const QString& section, const QString& key, qint32 value);
  QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
  // Kept as UTF-8.
  void WriteString(const QString& section, const QString& key, const QString& value);

  // Writes the whole file in one replacement, readable by its owner only,
  // so that a crash or a full disk never leaves half a file. False, with the
  // reason in `why`, when it cannot be written whole: a link or no regular
  // file, a file marked read-only, a full disk.
  bool Save(const QString& path, QString* why = nullptr) const;
  QByteArray Text() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
