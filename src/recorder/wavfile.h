#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <vector>

namespace recorder {

// A canonical RIFF/WAVE file of 16-bit little-endian mono PCM: the 44-byte
// header, then the samples.
QByteArray EncodeWav(const std::vector<qint16>& samples, int sampleRate);

// The limits a kept voice (an adult's model, a child's recording) is read
// within: it is played while the game waits, so it must be short, and it
// must never cost much memory whatever its header claims.
constexpr qint64 kMaxVoiceFileBytes = 4 * 1024 * 1024;
constexpr qint64 kMaxVoiceMs = 10000;
constexpr int kMinVoiceRate = 8000;
constexpr int kMaxVoiceRate = 48000;

enum class WavFault {
  None,
  Missing,
  NotAFile,    // a folder, a FIFO, a device, or a link to one
  Unreadable,
  TooBig,      // more bytes than a voice of the longest length takes
  NotWav,      // no RIFF/WAVE, no format or no data chunk
  BadFormat,   // not PCM or float, channels, rate or sample size out of range
  Truncated,   // a chunk claims more bytes than the file holds
  Empty,       // not one whole sample
  TooLong,
};

struct WavInfo {
  WavFault fault = WavFault::NotWav;
  int format = 0;  // 1 PCM, 3 IEEE float
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  qint64 dataBytes = 0;  // whole frames only
  qint64 frames = 0;
  qint64 durationMs = 0;
  bool Ok() const { return fault == WavFault::None; }
};

// Reads a WAV file's chunks and tells whether it can be played as a voice:
// PCM (8, 16, 24, 32 bits) or 32-bit float, one or two channels, a rate from
// kMinVoiceRate to kMaxVoiceRate, every chunk up to the data wholly there,
// and at most kMaxVoiceMs long. Only the header is trusted as far as the
// bytes really there bear it out.
WavInfo InspectWav(const QByteArray& bytes);
// The same for a file, read only when it is a regular file of at most
// kMaxVoiceFileBytes.
WavInfo InspectWavFile(const QString& path);

// Writes the file whole or not at all (a full disk leaves no half file and
// no previous file damaged), readable by its owner only, in a folder made
// private. Never through a link. False when it could not be written.
bool SaveWav(const QString& path, const std::vector<qint16>& samples, int sampleRate);

}  // namespace recorder
