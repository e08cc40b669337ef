#include "resultswindow/resultsmodel.h"

#include <QCollator>
#include <QColor>
#include <algorithm>
#include <functional>
#include <limits>
#include <numeric>

#include "history/statscsv.h"
#include "shell/palette.h"
#include "words/wordbits.h"

namespace resultswindow {

namespace {

// The summary's three ratings in the artwork's light colours: a glance down
// the last column shows how the games went.
QColor RatingColour(int rating) {
  switch (rating) {
    case 4:
      return palette::kGreenPale;
    case 2:
      return palette::kYellowPale;
    default:
      return palette::kCoralPale;
  }
}

// Where each of `count` values' texts stands in the Polish alphabet ("Ż/RZ"
// after "SZ"): worked out once for the few values a text column can show.
QList<qint64> AlphabetPlaces(int count, const std::function<QString(int)>& text) {
  QCollator collator{QLocale(QLocale::Polish, QLocale::Poland)};
  QList<int> order(count);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return collator.compare(text(a), text(b)) < 0; });
  QList<qint64> place(count);
  for (int i = 0; i < count; ++i) place[order[i]] = i;
  return place;
}

// By the hushing sounds first, as the two-game history always sorted, then
// by their hissing partners: "SZ", "SZ – S", "SZ, CZ", "SZ – S, CZ – C".
qint64 SoundsPlace(qint16 bits) {
  constexpr int kShift = 4;  // the hissing bits are the hushing ones times 16
  static const QList<qint64> kHushing =
      AlphabetPlaces(words::kSoundMask + 1, [](int b) { return history::SoundsText(qint16(b)); });
  static const QList<qint64> kHissing = AlphabetPlaces(
      (words::kHissingMask >> kShift) + 1, [](int b) { return history::SoundsText(qint16(b << kShift)); });
  const quint16 b = quint16(bits);
  return kHushing[b & words::kSoundMask] * kHissing.size() + kHissing[(b & words::kHissingMask) >> kShift];
}

qint64 PositionsPlace(qint16 bits) {
  constexpr int kShift = 8;  // the position bits start at 0x100
  static const QList<qint64> kPlaces = AlphabetPlaces(
      (words::kPositionMask >> kShift) + 1, [](int b) { return history::PositionsText(qint16(b << kShift)); });
  return kPlaces[(quint16(bits) & words::kPositionMask) >> kShift];
}

qint64 GamePlace(qint32 game) {
  static const QList<qint64> kPlaces = AlphabetPlaces(
      int(history::GameNumbers().size()), [](int i) { return history::GameText(history::GameNumbers()[i]); });
  const qsizetype i = history::GameNumbers().indexOf(game);
  return i < 0 ? -1 : kPlaces[i];
}

qint64 KeyOf(const history::StatsRecord& r, int column) {
  const statrec::GameRecord& s = r.stored;
  switch (column) {
    case kWhen:
      // Games without a date go first, before every real one.
      return r.startUtc.isValid() ? r.startUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    case kGame:
      return GamePlace(s.gameNumber);
    case kSounds:
      return SoundsPlace(s.gloski);
    case kPositions:
      return PositionsPlace(s.pozycja);
    case kAmount:
      return s.poziom;
    case kDuration:
      return s.duration;
    case kFinished:
      return s.completed != 0;
    case kCorrect:
      return s.correct;
    case kWrong:
      return s.wrong;
    case kHints:
      return s.hints;
    case kRating:
      // A stopped game's dash sorts below every rating.
      return s.completed ? r.rating : 0;
    default:
      return 0;
  }
}

bool IsNumber(int column) { return column == kCorrect || column == kWrong || column == kHints; }

}  // namespace

ResultsModel::ResultsModel(QObject* parent) : QAbstractTableModel(parent), headings_(history::StatsHeadings()) {}

void ResultsModel::SetRecords(QList<history::StatsRecord> records, const QTimeZone& zone) {
  beginResetModel();
  zone_ = zone;
  for (QList<qint64>& keys : keys_) keys.clear();
  rows_.clear();
  rows_.reserve(records.size());
  for (history::StatsRecord& r : records) {
    const QDate day = r.startUtc.isValid() ? r.startUtc.toTimeZone(zone).date() : QDate();
    rows_.append({std::move(r), day});
  }
  endResetModel();
}

QStringList ResultsModel::Texts(int row) const { return history::StatsRow(rows_[row].record, zone_); }

QString ResultsModel::Text(int row, int column) const { return history::StatsCell(rows_[row].record, column, zone_); }

const QList<qint64>& ResultsModel::SortKeys(int column) const {
  QList<qint64>& keys = keys_[size_t(column)];
  if (keys.size() != rows_.size()) {
    keys.resize(rows_.size());
    for (qsizetype i = 0; i < rows_.size(); ++i) keys[i] = KeyOf(rows_[i].record, column);
  }
  return keys;
}

int ResultsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int ResultsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_.size() || index.column() >= kColumnCount) return {};
  const Row& row = rows_[index.row()];
  switch (role) {
    case Qt::DisplayRole:
      return Text(index.row(), index.column());
    case kSortRole:
      return SortKey(index.row(), index.column());
    case Qt::TextAlignmentRole:
      return int(IsNumber(index.column()) ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
      if (index.column() == kRating && row.record.stored.completed) return RatingColour(row.record.rating);
      return {};
    default:
      return {};
  }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headings_.size())
    return headings_[section];
  return QAbstractTableModel::headerData(section, orientation, role);
}

bool Matches(const history::StatsRecord& record, QDate day, const Filter& filter) {
  const statrec::GameRecord& s = record.stored;
  if (filter.game != 0 && s.gameNumber != filter.game) return false;
  if (filter.sound != 0 && (quint16(s.gloski) & filter.sound) == 0) return false;
  if (filter.position != 0 && (quint16(s.pozycja) & filter.position) == 0) return false;
  if (filter.from.isNull() && filter.to.isNull()) return true;
  if (day.isNull()) return false;
  if (!filter.from.isNull() && day < filter.from) return false;
  if (!filter.to.isNull() && day > filter.to) return false;
  return true;
}

ResultsFilter::ResultsFilter(ResultsModel* source, QObject* parent) : QSortFilterProxyModel(parent), source_(source) {
  setSourceModel(source);
  setSortRole(kSortRole);
}

void ResultsFilter::SetFilter(const Filter& filter) {
  if (filter == filter_) return;
  filter_ = filter;
  invalidateFilter();
}

QList<history::StatsRecord> ResultsFilter::ShownRecords() const {
  QList<history::StatsRecord> records;
  records.reserve(rowCount());
  for (int i = 0; i < rowCount(); ++i) records.append(source_->Record(mapToSource(index(i, 0)).row()));
  return records;
}

QList<QStringList> ResultsFilter::ShownTexts() const {
  QList<QStringList> rows;
  rows.reserve(rowCount());
  for (int i = 0; i < rowCount(); ++i) rows.append(source_->Texts(mapToSource(index(i, 0)).row()));
  return rows;
}

QList<QDate> ResultsFilter::ShownDays() const {
  QList<QDate> days;
  days.reserve(rowCount());
  for (int i = 0; i < rowCount(); ++i) days.append(source_->Day(mapToSource(index(i, 0)).row()));
  return days;
}

bool ResultsFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  // Straight from the kept numbers: a QVariant per comparison made sorting
  // a long history take seconds.
  const QList<qint64>& keys = source_->SortKeys(left.column());
  return keys[left.row()] < keys[right.row()];
}

bool ResultsFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
  return Matches(source_->Record(sourceRow), source_->Day(sourceRow), filter_);
}

}  // namespace resultswindow
