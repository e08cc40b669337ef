#pragma once

#include <QByteArray>

#include "platform/system.h"
#include "results/_cstatrec.h"
#include "support/fakeclock.h"
#include "words/wordbits.h"

namespace bench {

// A statistics file of `games` games about 37 minutes apart (100 000 span
// about seven years), varied in every field, so that no cache of a repeated
// value flatters a figure.
inline QByteArray LongHistory(int games) {
  platform::SystemTime created = testing::FakeClock::Utc(2020, 1, 1, 8, 0, 0, 0);
  QByteArray bytes = statrec::EncodeHeader(6, created);
  bytes.reserve(statrec::kHeaderSize + qsizetype(games) * statrec::kRecordSize);
  const qint64 start = platform::ToFileTime(created);
  for (int i = 0; i < games; ++i) {
    statrec::GameRecord g;
    g.gameNumber = 1 + i % 2;
    g.startTime = platform::FromFileTime(start + qint64(i) * 2237LL * 10000000);
    g.poziom = qint16(1 + i % 3);
    g.gloski = qint16(words::kSounds[i % 4] | words::kSounds[(i / 4) % 4]);
    g.pozycja = qint16(words::kPositions[i % 3] | words::kPositions[(i / 3) % 3]);
    g.duration = 50 + i % 900;
    g.completed = qint16(i % 3 != 0);
    g.hints = i % 7;
    g.correct = i % 23;
    g.wrong = i % 11;
    bytes += statrec::EncodeRecord(g);
  }
  return bytes;
}

}  // namespace bench
