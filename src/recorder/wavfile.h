#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <vector>

namespace recorder {

// A canonical RIFF/WAVE file of 16-bit little-endian mono PCM: the 44-byte
// header, then the samples.
QByteArray EncodeWav(const std::vector<qint16>& samples, int sampleRate);

// Writes the file whole or not at all (a full disk leaves no half file and
// no previous file damaged), readable by its owner only, in a folder made
// private. Never through a link. False when it could not be written.
bool SaveWav(const QString& path, const std::vector<qint16>& samples, int sampleRate);

}  // namespace recorder
