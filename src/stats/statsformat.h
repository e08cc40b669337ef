#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "platform/system.h"

// The statistics file's bytes, written and read in this one place: a 20-byte
// header when the file is made, then one 44-byte record per recorded game,
// little-endian, without padding. FORMAT.md beside this file draws the
// layout. The store appends with it, the history reader and the exports
// read with it.
namespace statrec {

// Both games of this program share the file of program 6.
constexpr qint32 kProgramNumber = 6;
constexpr int kHeaderSize = 20;
constexpr int kRecordSize = 44;

// "prgst6.stt": the file's name, in its folder.
QString FileName(qint32 programNumber = kProgramNumber);

// One game as stored in the file.
struct GameRecord {
  qint32 gameNumber = 0;  // 1 labelling, 2 Memory, 3 filling
  platform::SystemTime startTime;  // UTC
  qint16 poziom = 0;
  qint16 gloski = 0;
  qint16 pozycja = 0;
  qint32 duration = 0;  // units of 1/100000 day (0.864 s)
  qint16 completed = 0;
  qint32 hints = 0;
  qint32 correct = 0;
  qint32 wrong = 0;
};

struct Header {
  qint32 programNumber = 0;
  platform::SystemTime created;  // UTC
};

QByteArray EncodeSystemTime(const platform::SystemTime& t);
// Program number, then the file's creation time.
QByteArray EncodeHeader(qint32 programNumber, const platform::SystemTime& created);
// Note the order of the settings: amount, sounds, positions.
QByteArray EncodeRecord(const GameRecord& record);

// The header at `data`, which holds kHeaderSize bytes at least.
Header DecodeHeader(const char* data);
// The record at `data`, which holds kRecordSize bytes at least.
GameRecord DecodeRecord(const char* data);

// Each field within the range a system time has: a time the program could
// have written (the day itself is not checked against the calendar).
bool PlausibleTime(const platform::SystemTime& t);

}  // namespace statrec
