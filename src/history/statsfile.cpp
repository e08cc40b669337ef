#include "history/statsfile.h"

#include "games/registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include "platform/regularfile.h"
#include "stats/rating.h"
#include "words/wordbits.h"

namespace history {

namespace {

QString Shown(const QString& name) { return QDir::toNativeSeparators(name); }

StatsRecord DecodeRecord(const char* data) {
  StatsRecord r;
  r.stored = statrec::DecodeRecord(data);
  const statrec::GameRecord& s = r.stored;
  r.startUtc = ToUtcDateTime(s.startTime);
  r.seconds = s.duration * 0.864;
  r.rating = statrec::RatingFor(s.correct, s.wrong);
  return r;
}

// "Pominięto 3 zapisy, które nie są grami." with the Polish form for the count.
QString SkippedText(qint64 n) {
  const qint64 tens = n % 100, units = n % 10;
  if (n == 1) return QStringLiteral("Pominięto 1 zapis, który nie jest grą.");
  const bool few = units >= 2 && units <= 4 && (tens < 12 || tens > 14);
  return (few ? QStringLiteral("Pominięto %1 zapisy, które nie są grami.")
              : QStringLiteral("Pominięto %1 zapisów, które nie są grami."))
      .arg(n);
}

QString JoinNamed(qint16 bits, const QList<QPair<quint16, QString>>& names) {
  QStringList parts;
  for (const auto& [bit, name] : names)
    if (quint16(bits) & bit) parts << name;
  return parts.join(QStringLiteral(", "));
}

}  // namespace

const QList<qint32>& GameNumbers() {
  static const QList<qint32> kGames = [] {
    QList<qint32> numbers;
    for (qint32 n : games::Numbers()) numbers << n;
    return numbers;
  }();
  return kGames;
}

bool IsPossibleGame(const StatsRecord& r) {
  const statrec::GameRecord& s = r.stored;
  return GameNumbers().contains(s.gameNumber) && r.startUtc.isValid() && s.startTime.year >= 2000 &&
         s.startTime.year <= 2100 && s.hints >= 0 && s.correct >= 0 && s.wrong >= 0 && s.duration >= 0 &&
         (s.completed == 0 || s.completed == 1) && s.poziom >= 1 && s.poziom <= 3;
}

QDateTime ToUtcDateTime(const platform::SystemTime& t) {
  if (t.dayOfWeek > 6 || t.hour > 23 || t.minute > 59 || t.second > 59 || t.milliseconds > 999) return {};
  const QDate date(t.year, t.month, t.day);  // null unless the day exists
  if (!date.isValid()) return {};
  return QDateTime(date, QTime(t.hour, t.minute, t.second, t.milliseconds), Qt::UTC);
}

StatsFile ReadStatsBytes(const QByteArray& bytes, const QString& name) {
  StatsFile file;
  if (bytes.size() < statrec::kHeaderSize) {
    file.error = QStringLiteral("Plik „%1” nie jest plikiem statystyk: ma %2 B, a sam nagłówek ma %3 B.")
                     .arg(Shown(name))
                     .arg(bytes.size())
                     .arg(statrec::kHeaderSize);
    return file;
  }
  const statrec::Header header = statrec::DecodeHeader(bytes.constData());
  const qint32 program = header.programNumber;
  if (program != kProgramNumber) {
    file.error = QStringLiteral("Plik „%1” nie jest plikiem statystyk tego programu: ma numer programu %2 zamiast %3.")
                     .arg(Shown(name))
                     .arg(program)
                     .arg(kProgramNumber);
    return file;
  }
  file.createdUtc = ToUtcDateTime(header.created);
  if (!file.createdUtc.isValid()) {
    file.error = QStringLiteral("Plik „%1” nie jest plikiem statystyk: data jego utworzenia w nagłówku jest błędna.")
                     .arg(Shown(name));
    return file;
  }

  const qint64 body = bytes.size() - statrec::kHeaderSize;
  const qint64 whole = body / statrec::kRecordSize;
  file.records.reserve(whole);
  for (qint64 i = 0; i < whole; ++i) {
    StatsRecord r = DecodeRecord(bytes.constData() + statrec::kHeaderSize + i * statrec::kRecordSize);
    if (IsPossibleGame(r))
      file.records.append(r);
    else
      ++file.skippedRecords;
  }
  // A crash while appending leaves part of a record; the games before it are
  // whole and worth keeping.
  file.ignoredBytes = body % statrec::kRecordSize;
  QStringList warnings;
  if (file.ignoredBytes > 0) {
    warnings << QStringLiteral("Plik „%1” kończy się niepełnym zapisem gry: pominięto ostatnie %2 B.")
                    .arg(Shown(name))
                    .arg(file.ignoredBytes);
  }
  if (file.skippedRecords > 0) {
    QString text = SkippedText(file.skippedRecords);
    if (warnings.isEmpty()) text = QStringLiteral("W pliku „%1”: ").arg(Shown(name)) + text.at(0).toLower() + text.mid(1);
    warnings << text;
  }
  file.warning = warnings.join(QLatin1Char(' '));
  return file;
}

StatsFile ReadStatsFile(const QString& path) {
  QByteArray bytes;
  QString why;
  switch (platform::ReadRegularFile(path, kMostBytes, &bytes)) {
    case platform::FileRead::Ok: return ReadStatsBytes(bytes, path);
    case platform::FileRead::Missing: why = QStringLiteral("nie ma takiego pliku"); break;
    case platform::FileRead::NotRegular:
      why = QFileInfo(path).isDir() ? QStringLiteral("to jest folder") : QStringLiteral("to nie jest zwykły plik");
      break;
    case platform::FileRead::TooBig:
      why = QStringLiteral("ma %1 MB, za dużo jak na plik statystyk (najwyżej %2 gier)")
                .arg(QFileInfo(path).size() >> 20)
                .arg(QLocale(QLocale::Polish, QLocale::Poland).toString(kMostGames));
      break;
    case platform::FileRead::Failed: why = QStringLiteral("brak prawa do odczytu albo błąd odczytu"); break;
  }
  StatsFile file;
  file.error = QStringLiteral("Nie można odczytać pliku „%1”: %2.").arg(Shown(path), why);
  return file;
}

QString GameText(qint32 gameNumber) {
  if (const games::Game* game = games::ByNumber(gameNumber)) return game->name;
  return QStringLiteral("gra nr %1").arg(gameNumber);
}

QString SoundsText(qint16 soundBits) {
  // Every combination of the eight sound bits, made once: an export of a
  // long history asks for it on every row. Bits above them name nothing.
  static const QList<QString> kTexts = [] {
    struct Pair {
      quint16 hushing, hissing;
      QString hushingName, hissingName;
    };
    // In the order of the menu's rows.
    const Pair pairs[] = {{words::kSoundSz, words::kSoundS, QStringLiteral("SZ"), QStringLiteral("S")},
                          {words::kSoundZRz, words::kSoundZ, QStringLiteral("Ż/RZ"), QStringLiteral("Z")},
                          {words::kSoundCz, words::kSoundC, QStringLiteral("CZ"), QStringLiteral("C")},
                          {words::kSoundDz, words::kSoundDzHissing, QStringLiteral("DŻ"), QStringLiteral("DZ")}};
    QList<QString> texts;
    for (int bits = 0; bits <= words::kAnySoundMask; ++bits) {
      QStringList parts;
      for (const Pair& p : pairs) {
        const bool hushing = bits & p.hushing, hissing = bits & p.hissing;
        // The filling game practises a hushing sound against its hissing partner.
        if (hushing && hissing)
          parts << p.hushingName + QStringLiteral(" – ") + p.hissingName;
        else if (hushing || hissing)
          parts << (hushing ? p.hushingName : p.hissingName);
      }
      texts << parts.join(QStringLiteral(", "));
    }
    return texts;
  }();
  return kTexts[quint16(soundBits) & words::kAnySoundMask];
}

QString PositionsText(qint16 positionBits) {
  static const QList<QPair<quint16, QString>> kNames = {
      {words::kWordInitial, QStringLiteral("nagłos")},
      {words::kWordMedial, QStringLiteral("śródgłos")},
      {words::kWordFinal, QStringLiteral("wygłos")}};
  return JoinNamed(positionBits, kNames);
}

QString AmountText(qint16 amount) {
  switch (amount) {
    case 1:
      return QStringLiteral("mało");
    case 2:
      return QStringLiteral("średnio");
    case 3:
      return QStringLiteral("dużo");
    default:
      return QString::number(amount);
  }
}

QString DurationText(double seconds) {
  // A negative duration is a clock set back during the game: no real time.
  if (seconds < 0) return QStringLiteral("nieznany");
  const qint64 total = qRound64(seconds);
  const qint64 h = total / 3600;
  const qint64 min = (total / 60) % 60;
  const qint64 s = total % 60;
  if (h == 0) return QString::asprintf("%lld min %02lld s", min, s);
  return QString::asprintf("%lld h %02lld min %02lld s", h, min, s);
}

QString RatingText(int rating) {
  switch (rating) {
    case 4:
      return QStringLiteral("Doskonale!");
    case 2:
      return QStringLiteral("Dobrze!");
    default:
      return QStringLiteral("Spróbuj jeszcze raz!");
  }
}

}  // namespace history
