#include "sounds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <deque>
#include <memory>

#include "asseterror.h"
#include "encoders.h"

namespace {

const QString kEspeak = QStringLiteral("espeak-ng");
constexpr int kTimeoutMs = 60000;

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) throw AssetError(QStringLiteral("cannot read %1: %2").arg(path, f.errorString()));
  return f.readAll();
}

struct Running {
  std::unique_ptr<QProcess> process;
  const SoundJob* job;
};

void Finish(Running& r) {
  QProcess& proc = *r.process;
  if (!proc.waitForFinished(kTimeoutMs)) {
    proc.kill();
    proc.waitForFinished();
    throw AssetError(QStringLiteral("espeak-ng did not finish \"%1\"").arg(r.job->text));
  }
  if (proc.exitStatus() != QProcess::NormalExit || proc.exitCode() != 0) {
    throw AssetError(QStringLiteral("espeak-ng failed on \"%1\" (exit code %2): %3")
                         .arg(r.job->text)
                         .arg(proc.exitCode())
                         .arg(QString::fromLocal8Bit(proc.readAllStandardError()).trimmed()));
  }
  if (!IsWaveData(ReadAll(r.job->output))) {
    throw AssetError(QStringLiteral("espeak-ng wrote no sound for \"%1\" into %2").arg(r.job->text, r.job->output));
  }
}

}  // namespace

bool IsWaveData(const QByteArray& bytes) {
  return bytes.size() > 44 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE";
}

void CheckPolishVoice() {
  QProcess proc;
  proc.start(kEspeak, {QStringLiteral("--voices=pl")});
  if (!proc.waitForStarted()) {
    throw AssetError(QStringLiteral("cannot run espeak-ng (install espeak-ng): %1").arg(proc.errorString()));
  }
  if (!proc.waitForFinished(kTimeoutMs) || proc.exitCode() != 0) {
    throw AssetError(QStringLiteral("espeak-ng --voices failed"));
  }
  // The listing has the language in its second column.
  const QStringList lines = QString::fromUtf8(proc.readAllStandardOutput()).split(QLatin1Char('\n'));
  for (const QString& line : lines) {
    const QStringList cols = line.simplified().split(QLatin1Char(' '));
    if (cols.size() > 1 && cols[1] == QLatin1String("pl")) return;
  }
  throw AssetError(QStringLiteral("espeak-ng has no Polish voice (install espeak-ng-data)"));
}

void ProduceSounds(const QList<SoundJob>& jobs, const QString& voiceDir) {
  // Recordings first: a copy needs no process.
  QList<const SoundJob*> synthesised;
  for (const SoundJob& job : jobs) {
    const QString recording = voiceDir + QLatin1Char('/') + job.name + QStringLiteral(".wav");
    if (!QFileInfo::exists(recording)) {
      synthesised.append(&job);
      continue;
    }
    const QByteArray bytes = ReadAll(recording);
    if (!IsWaveData(bytes)) throw AssetError(QStringLiteral("recording %1 is not a RIFF WAVE file").arg(recording));
    WriteDataFile(job.output, bytes);
  }

  const int parallel = qMax(2, QThread::idealThreadCount() * 2);
  std::deque<Running> running;
  qsizetype next = 0;
  while (next < synthesised.size() || !running.empty()) {
    while (next < synthesised.size() && int(running.size()) < parallel) {
      const SoundJob* job = synthesised[next++];
      if (!QDir().mkpath(QFileInfo(job->output).absolutePath())) {
        throw AssetError(QStringLiteral("cannot create the folder of %1").arg(job->output));
      }
      auto proc = std::make_unique<QProcess>();
      proc->setProcessChannelMode(QProcess::SeparateChannels);
      // -b 1: the text is UTF-8, whatever the locale of the build machine.
      // The leading space keeps a text that starts with "-" from being read
      // as an option; espeak-ng ignores it.
      QStringList args = {QStringLiteral("-v"), QStringLiteral("pl"), QStringLiteral("-b"), QStringLiteral("1"),
                          QStringLiteral("-w"), job->output};
      if (job->speed > 0) args << QStringLiteral("-s") << QString::number(job->speed);
      proc->start(kEspeak, args << QLatin1Char(' ') + job->text);
      if (!proc->waitForStarted()) {
        throw AssetError(QStringLiteral("cannot run espeak-ng: %1").arg(proc->errorString()));
      }
      running.push_back(Running{std::move(proc), job});
    }
    Finish(running.front());
    running.pop_front();
  }
}
