#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

#include "platform/system.h"
#include "platform/timer.h"
#include "stats/rating.h"
#include "stats/statsformat.h"

class CUstGry;
class QFileDevice;

// The statistics file's layout is in stats/statsformat.h; here is what the
// store needs beside it.
namespace statrec {

// Elapsed milliseconds in the file's duration unit, truncated (60 000 ms
// give 69), kept to the low 32 bits.
qint32 DurationUnits(qint64 elapsedMs);

// Writes bytes to an open file; returns how many were written, or -1.
// Replaceable so that a test can make a write fail part-way.
using BlockWriter = std::function<qint64(QFileDevice& file, const char* data, qint64 size)>;

// Appends `block` to an existing file as one unit: when any part of it
// cannot be written, the file is cut back to its length before the call.
// Never creates the file. False when nothing was added.
bool AppendBlock(const QString& path, const QByteArray& block, const BlockWriter& writer = {});
// Makes `path` ready for one more record: it must be a regular file, not a
// link, beginning with the header of program `programNumber`. A torn last
// record (a crash in the middle of a write) was never a game: it is cut
// off, so that the next record starts where a record belongs, and `note`
// says so. Returns an empty string, or why nothing may be appended.
QString PrepareForAppend(const QString& path, qint32 programNumber, QString* note);
// Makes a new file, readable by its owner only, holding exactly `block`. When the file already exists
// nothing is touched and the result is false; when the block cannot be
// written whole, the new file is removed again.
bool CreateWithBlock(const QString& path, const QByteArray& block, const BlockWriter& writer = {});

}  // namespace statrec

// The score of the game being played (hints, correct and wrong answers,
// start time, duration), appended to "prgst<number>.stt" in its folder when
// the game is stopped. A game without activity for two minutes
// is dropped: stopping it writes nothing.
class CStatRec {
 public:
  static constexpr int kIdleMs = 120000;

  // Makes the statistics file with its header in `folder` when it does not
  // exist yet; raises CBlad(3) when there is still no such file afterwards.
  // An empty folder is the working folder. The writer is for tests; the
  // default writes straight to the file.
  // The times it records are read from `clock`.
  CStatRec(platform::Clock& clock, qint32 programNumber, const QString& folder, statrec::BlockWriter writer = {});
  // The file in the working folder.
  CStatRec(platform::Clock& clock, qint32 programNumber, statrec::BlockWriter writer = {});
  CStatRec(const CStatRec&) = delete;
  CStatRec& operator=(const CStatRec&) = delete;

  // Begins a new game: 1 labelling, 2 Memory. `settings` must outlive the
  // game; its values are read when the record is written.
  void StartGame(qint32 gameNumber, const CUstGry& settings);
  // The child did something: the two idle minutes count from now. A dropped
  // game stays dropped.
  void NoteActivity();
  // Ends the timing. Works whether or not the game was dropped.
  void StopGame();
  // Appends the record of the current game. False, with the file as it was,
  // when the game was dropped or the record could not be written whole.
  bool WriteRecord(bool completed);
  // True when the last game's record was due but could not be written (a
  // read-only or full disk): the summary says so. A dropped game is no loss.
  bool RecordLost() const { return recordLost_; }
  void AddHint() { ++hints_; }
  void AddCorrect() { ++correct_; }
  void AddWrong() { ++wrong_; }
  // A right answer let go by (a picture that fell): wrong, and said so.
  void AddMissed() {
    ++wrong_;
    ++missed_;
  }

  // "1 min 0 s" for a game of 60 real seconds.
  QString DurationText() const;
  QString HintsText() const { return QString::number(hints_); }
  QString CorrectText() const { return QString::number(correct_); }
  QString WrongText() const { return QString::number(wrong_); }
  // Of the wrong answers, the right pictures let fall (the falling game).
  qint32 Missed() const { return missed_; }
  // 1 poor, 2 fair, 4 good.
  int Rating() const { return statrec::RatingFor(correct_, wrong_); }

  // Run by the idle timer: stops recording the game.
  void OnIdleTimeout();

  // The file's path: its bare name when it lies in the working folder.
  QString FileName() const;
  // Where the file lies; empty for the working folder.
  const QString& Folder() const { return folder_; }
  qint32 ProgramNumber() const { return programNumber_; }
  bool Active() const { return active_; }
  qint32 GameNumber() const { return gameNumber_; }
  qint32 Duration() const { return duration_; }
  qint32 ElapsedSeconds() const { return elapsedSeconds_; }
  qint16 Completed() const { return completed_; }
  const platform::SystemTime& StartTime() const { return startTime_; }
  const platform::SystemTime& EndTime() const { return endTime_; }
  qint32 Hints() const { return hints_; }
  qint32 Correct() const { return correct_; }
  qint32 Wrong() const { return wrong_; }
  // The idle timer, so that a test can fire it.
  platform::Timer& IdleTimer() { return timer_; }

 private:
  platform::Clock& clock_;
  platform::Timer timer_;
  statrec::BlockWriter writer_;
  QString folder_;
  qint32 programNumber_;
  bool active_ = false;
  bool recordLost_ = false;
  qint32 gameNumber_ = 0;
  const CUstGry* settings_ = nullptr;
  qint32 duration_ = 0;
  // Real seconds of the last stopped game, for the summary; duration_ keeps
  // the file's unit.
  qint32 elapsedSeconds_ = 0;
  qint16 completed_ = 0;
  platform::SystemTime startTime_;
  platform::SystemTime endTime_;
  // Game start on the monotonic clock: a clock set back during a game must
  // not give a negative duration.
  std::optional<qint64> startMs_;
  qint32 hints_ = 0;
  qint32 correct_ = 0;
  qint32 wrong_ = 0;
  qint32 missed_ = 0;  // of wrong_; the summary says them, the file does not keep them
};
