#include "platform/inifile.h"

#include <QFile>
#include <QFileInfo>

#include "platform/regularfile.h"
#include "platform/savefile.h"

// Plain 8-bit text: the file holds ASCII keys and numbers only.
#define SI_NO_CONVERSION
// The template bodies are compiled here, in the one unit that uses them.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>
#include <string>

namespace platform {

struct IniFile::Impl {
  // CSimpleIniA compares section and key names without regard to case, as
  // the system's profile functions do.
  CSimpleIniA ini{false, false, false};
};

IniFile::IniFile() : impl_(std::make_unique<Impl>()) { impl_->ini.SetSpaces(false); }
IniFile::~IniFile() = default;

bool IniFile::Load(const QString& path, qint64 maxBytes) {
  QByteArray text;
  return ReadRegularFile(path, maxBytes, &text) == FileRead::Ok && LoadText(text);
}

bool IniFile::LoadText(const QByteArray& text) {
  impl_->ini.Reset();
  return impl_->ini.LoadData(text.constData(), size_t(text.size())) >= 0;
}

qint32 IniFile::ReadInteger(const QString& section, const QString& key, qint32 fallback) const {
  const long value = impl_->ini.GetLongValue(section.toUtf8().constData(), key.toUtf8().constData(), fallback);
  return static_cast<qint32>(static_cast<quint32>(static_cast<unsigned long>(value)));
}

void IniFile::WriteInteger(const QString& section, const QString& key, qint32 value) {
  impl_->ini.SetValue(section.toUtf8().constData(), key.toUtf8().constData(), std::to_string(value).c_str());
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& fallback) const {
  const char* value = impl_->ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr);
  return value ? QString::fromUtf8(value) : fallback;
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  impl_->ini.SetValue(section.toUtf8().constData(), key.toUtf8().constData(), value.toUtf8().constData());
}

QByteArray IniFile::Text() const {
  std::string text;
  impl_->ini.Save(text);
  return QByteArray::fromStdString(text);
}

bool IniFile::Save(const QString& path, QString* why) const {
  const QString failure = WriteWholeFile(path, Text(), Privacy::Private);
  if (why) *why = failure;
  return failure.isEmpty();
}

}  // namespace platform
