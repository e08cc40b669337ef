#include "recorder/wavfile.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>
#include <cstring>

#include "platform/regularfile.h"

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

quint32 Get32(const char* p) { return qFromLittleEndian<quint32>(p); }
quint16 Get16(const char* p) { return qFromLittleEndian<quint16>(p); }

constexpr int kPcm = 1;
constexpr int kFloat = 3;
constexpr int kExtensible = 0xFFFE;
// WAVE_FORMAT_EXTENSIBLE names its real format in a GUID whose last 14 bytes
// are the same for PCM and float.
constexpr char kGuidTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";
// Metadata chunks before the data are few; a file of thousands is no voice.
constexpr int kMaxChunks = 64;

WavFault ReadFormat(const char* d, qint64 length, WavInfo& info) {
  if (length < 16) return WavFault::NotWav;
  info.format = Get16(d);
  info.channels = Get16(d + 2);
  info.sampleRate = int(qMin<quint32>(Get32(d + 4), 1u << 30));
  const int blockAlign = Get16(d + 12);
  info.bitsPerSample = Get16(d + 14);
  if (info.format == kExtensible) {
    if (length < 40 || Get16(d + 16) < 22 || std::memcmp(d + 26, kGuidTail, 14) != 0) return WavFault::BadFormat;
    info.format = Get16(d + 24);
  }
  const bool pcm = info.format == kPcm && (info.bitsPerSample == 8 || info.bitsPerSample == 16 ||
                                           info.bitsPerSample == 24 || info.bitsPerSample == 32);
  const bool real = info.format == kFloat && info.bitsPerSample == 32;
  if (!pcm && !real) return WavFault::BadFormat;
  if (info.channels < 1 || info.channels > 2) return WavFault::BadFormat;
  if (info.sampleRate < kMinVoiceRate || info.sampleRate > kMaxVoiceRate) return WavFault::BadFormat;
  if (blockAlign != info.channels * info.bitsPerSample / 8) return WavFault::BadFormat;
  return WavFault::None;
}

}  // namespace

WavInfo InspectWav(const QByteArray& bytes) {
  WavInfo info;
  const char* d = bytes.constData();
  const qint64 size = bytes.size();
  if (size < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0) return info;
  // The player looks for chunks only within the RIFF size, unless it is 0.
  const qint64 riffSize = Get32(d + 4);
  const qint64 riffEnd = riffSize == 0 ? size : 8 + riffSize;
  bool haveFormat = false;
  qint64 at = 12;
  for (int chunk = 0; chunk < kMaxChunks && at < riffEnd && at + 8 <= size; ++chunk) {
    const qint64 length = Get32(d + at + 4);
    const char* body = d + at + 8;
    // The sizes are what a hostile header lies about: none may reach past
    // the bytes really there.
    if (at + 8 + length > size) {
      info.fault = WavFault::Truncated;
      return info;
    }
    if (std::memcmp(d + at, "fmt ", 4) == 0 && !haveFormat) {
      info.fault = ReadFormat(body, length, info);
      if (!info.Ok()) return info;
      haveFormat = true;
    } else if (std::memcmp(d + at, "data", 4) == 0) {
      if (!haveFormat) break;
      const int frameBytes = info.channels * info.bitsPerSample / 8;
      info.frames = length / frameBytes;
      info.dataBytes = info.frames * frameBytes;
      info.durationMs = info.frames * 1000 / info.sampleRate;
      if (info.frames == 0) {
        info.fault = WavFault::Empty;
      } else if (info.frames > kMaxVoiceMs * info.sampleRate / 1000) {
        info.fault = WavFault::TooLong;
      } else {
        info.fault = WavFault::None;
      }
      return info;
    }
    at += 8 + length + (length & 1);
  }
  info.fault = WavFault::NotWav;
  return info;
}

WavInfo InspectWavFile(const QString& path) {
  QByteArray bytes;
  WavInfo info;
  switch (platform::ReadRegularFile(path, kMaxVoiceFileBytes, &bytes)) {
    case platform::FileRead::Ok:
      return InspectWav(bytes);
    case platform::FileRead::Missing:
      info.fault = WavFault::Missing;
      break;
    case platform::FileRead::NotRegular:
      info.fault = WavFault::NotAFile;
      break;
    case platform::FileRead::TooBig:
      info.fault = WavFault::TooBig;
      break;
    case platform::FileRead::Failed:
      info.fault = WavFault::Unreadable;
      break;
  }
  return info;
}

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
