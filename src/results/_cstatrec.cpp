#include "results/_cstatrec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QtEndian>

#include "shell/_cblad.h"
#include "words/_custgry.h"
#include "shell/_specfunc.h"

namespace statrec {

namespace {

qint64 DirectWrite(QFileDevice& file, const char* data, qint64 size) { return file.write(data, size); }

// Loops until the whole block is out: a device may accept less than asked.
bool WriteAll(QFileDevice& file, const QByteArray& block, const BlockWriter& writer) {
  const BlockWriter& write = writer ? writer : BlockWriter(DirectWrite);
  qint64 done = 0;
  while (done < block.size()) {
    const qint64 n = write(file, block.constData() + done, block.size() - done);
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

}  // namespace

qint32 DurationUnits(qint64 elapsedMs) {
  // One unit is 864 ms: a day's 86 400 000 ms in 100 000 parts.
  return static_cast<qint32>(elapsedMs / 864);
}


bool AppendBlock(const QString& path, const QByteArray& block, const BlockWriter& writer) {
  QFile file(path);
  // Unbuffered, so that a failing write is seen here and not at close.
  if (!file.open(QIODevice::Append | QIODevice::ExistingOnly | QIODevice::Unbuffered)) return false;
  const qint64 before = file.size();
  if (WriteAll(file, block, writer)) return true;
  // Never leave part of a block behind: later records would be misaligned.
  file.resize(before);
  return false;
}

QString PrepareForAppend(const QString& path, qint32 programNumber, QString* note) {
  const QFileInfo info(path);
  if (info.isSymLink()) return QStringLiteral("to jest dowiązanie, a program nie zapisuje przez dowiązania");
  if (!info.isFile()) return QStringLiteral("to nie jest zwykły plik");
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) return QStringLiteral("brak prawa do zapisu");
  const QByteArray head = file.read(kHeaderSize);
  if (head.size() < kHeaderSize || DecodeHeader(head.constData()).programNumber != programNumber ||
      !PlausibleTime(DecodeHeader(head.constData()).created))
    return QStringLiteral("plik nie zaczyna się nagłówkiem pliku statystyk");
  const qint64 torn = (file.size() - kHeaderSize) % kRecordSize;
  if (torn == 0) return {};
  if (!file.resize(file.size() - torn)) return QStringLiteral("nie można odciąć niepełnego zapisu z końca pliku");
  if (note) *note = QStringLiteral("usunięto z końca pliku niepełny zapis gry (%1 B)").arg(torn);
  return {};
}

bool CreateWithBlock(const QString& path, const QByteArray& block, const BlockWriter& writer) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) return false;
  // A child's history is nobody else's to read.
  file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  if (WriteAll(file, block, writer)) return true;
  file.close();
  file.remove();
  return false;
}

}  // namespace statrec

CStatRec::CStatRec(platform::Clock& clock, qint32 programNumber, statrec::BlockWriter writer)
    : CStatRec(clock, programNumber, QString(), std::move(writer)) {}

CStatRec::CStatRec(platform::Clock& clock, qint32 programNumber, const QString& folder, statrec::BlockWriter writer)
    : clock_(clock),
      writer_(std::move(writer)), folder_(folder), programNumber_(programNumber) {
  timer_.SetInterval(kIdleMs);
  timer_.SetEnabled(false);
  timer_.OnTimer = [this] { OnIdleTimeout(); };

  const QString name = FileName();
  if (!QFileInfo::exists(name)) {
    statrec::CreateWithBlock(name, statrec::EncodeHeader(programNumber_, clock_.UtcNow()), writer_);
  }
  // Something else of that name (a folder, say) is no statistics file.
  if (!QFileInfo(name).isFile()) throw CBlad(3);
}

QString CStatRec::FileName() const {
  const QString name = statrec::FileName(programNumber_);
  return folder_.isEmpty() ? name : QDir(folder_).filePath(name);
}

void CStatRec::StartGame(qint32 gameNumber, const CUstGry& settings) {
  gameNumber_ = gameNumber;
  settings_ = &settings;
  hints_ = 0;
  correct_ = 0;
  wrong_ = 0;
  missed_ = 0;
  duration_ = 0;
  elapsedSeconds_ = 0;
  active_ = true;
  recordLost_ = false;
  startTime_ = clock_.UtcNow();
  startMs_ = clock_.MonotonicMs();
  NoteActivity();
}

void CStatRec::NoteActivity() {
  if (!active_) return;
  timer_.SetEnabled(false);
  timer_.SetInterval(kIdleMs);
  timer_.SetEnabled(true);
}

void CStatRec::OnIdleTimeout() {
  timer_.SetEnabled(false);
  active_ = false;
}

void CStatRec::StopGame() {
  platform::Clock& clock = clock_;
  endTime_ = clock.UtcNow();
  const qint64 elapsedMs = startMs_ ? clock.MonotonicMs() - *startMs_ : 0;
  duration_ = statrec::DurationUnits(elapsedMs);
  elapsedSeconds_ = static_cast<qint32>(elapsedMs / 1000);
}

bool CStatRec::WriteRecord(bool completed) {
  recordLost_ = false;
  if (!active_) return false;
  completed_ = completed ? 1 : 0;
  statrec::GameRecord record;
  record.gameNumber = gameNumber_;
  record.startTime = startTime_;
  record.poziom = settings_->poziom;
  record.gloski = settings_->gloski;
  record.pozycja = settings_->pozycja;
  record.duration = duration_;
  record.completed = completed_;
  record.hints = hints_;
  record.correct = correct_;
  record.wrong = wrong_;
  QString note;
  const QString refusal = statrec::PrepareForAppend(FileName(), programNumber_, &note);
  if (!note.isEmpty()) QTextStream(stderr) << QDir::toNativeSeparators(FileName()) << ": " << note << ".\n";
  const bool written =
      refusal.isEmpty() && statrec::AppendBlock(FileName(), statrec::EncodeRecord(record), writer_);
  if (!refusal.isEmpty()) {
    QTextStream(stderr) << QDir::toNativeSeparators(FileName()) << QStringLiteral(": wynik gry nie został zapisany: ")
                        << refusal << ".\n";
  }
  recordLost_ = !written;
  return written;
}

QString CStatRec::DurationText() const { return TimeText(elapsedSeconds_); }
