#include "recorder/wavfile.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include "platform/savefile.h"

namespace recorder {

namespace {

void Put32(QByteArray& out, quint32 v) {
  char b[4];
  qToLittleEndian(v, b);
  out.append(b, 4);
}

void Put16(QByteArray& out, quint16 v) {
  char b[2];
  qToLittleEndian(v, b);
  out.append(b, 2);
}

}  // namespace

QByteArray EncodeWav(const std::vector<qint16>& samples, int sampleRate) {
  const quint32 dataBytes = quint32(samples.size() * 2);
  QByteArray out;
  out.reserve(int(44 + dataBytes));
  out.append("RIFF", 4);
  Put32(out, 36 + dataBytes);
  out.append("WAVEfmt ", 8);
  Put32(out, 16);                       // size of the format block
  Put16(out, 1);                        // PCM
  Put16(out, 1);                        // mono
  Put32(out, quint32(sampleRate));
  Put32(out, quint32(sampleRate) * 2);  // bytes per second
  Put16(out, 2);                        // bytes per frame
  Put16(out, 16);                       // bits per sample
  out.append("data", 4);
  Put32(out, dataBytes);
  for (qint16 s : samples) Put16(out, quint16(s));
  return out;
}

bool SaveWav(const QString& path, const std::vector<qint16>& samples, int sampleRate) {
  // A child's voice is nobody else's to hear: the folder and the file are
  // its owner's only.
  if (!platform::MakePrivateFolder(QFileInfo(path).absolutePath())) return false;
  return platform::WriteWholeFile(path, EncodeWav(samples, sampleRate), platform::Privacy::Private).isEmpty();
}

}  // namespace recorder
