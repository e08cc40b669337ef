#include "resultswindow/resultsmodel.h"

#include <QColor>
#include <limits>

#include "history/statscsv.h"

namespace resultswindow {

namespace {

// The summary's three ratings in the artwork's light colours: a glance down
// the last column shows how the games went.
QColor RatingColour(int rating) {
  switch (rating) {
    case 4:
      return QColor(0xd9, 0xf0, 0xcc);
    case 2:
      return QColor(0xff, 0xf0, 0xc4);
    default:
      return QColor(0xff, 0xdd, 0xd8);
  }
}

QVariant SortValue(const history::StatsRecord& r, int column, const QString& text) {
  const statrec::GameRecord& s = r.stored;
  switch (column) {
    case kWhen:
      // Games without a date go first, before every real one.
      return r.startUtc.isValid() ? r.startUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    case kAmount:
      return int(s.poziom);
    case kDuration:
      return r.seconds;
    case kFinished:
      return int(s.completed != 0);
    case kCorrect:
      return s.correct;
    case kWrong:
      return s.wrong;
    case kHints:
      return s.hints;
    case kRating:
      return r.rating;
    default:
      return text;
  }
}

bool IsNumber(int column) { return column == kCorrect || column == kWrong || column == kHints; }

}  // namespace

ResultsModel::ResultsModel(QObject* parent) : QAbstractTableModel(parent), headings_(history::StatsHeadings()) {}

void ResultsModel::SetRecords(const QList<history::StatsRecord>& records, const QTimeZone& zone) {
  beginResetModel();
  rows_.clear();
  rows_.reserve(records.size());
  for (const history::StatsRecord& r : records) {
    const QDate day = r.startUtc.isValid() ? r.startUtc.toTimeZone(zone).date() : QDate();
    rows_.append({r, history::StatsRow(r, zone), day});
  }
  endResetModel();
}

int ResultsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int ResultsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_.size() || index.column() >= kColumnCount) return {};
  const Row& row = rows_[index.row()];
  const QString& text = row.texts[index.column()];
  switch (role) {
    case Qt::DisplayRole:
      return text;
    case kSortRole:
      return SortValue(row.record, index.column(), text);
    case Qt::TextAlignmentRole:
      return int(IsNumber(index.column()) ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
      if (index.column() == kRating) return RatingColour(row.record.rating);
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
  // Polish letters in their alphabet's order: "Ż/RZ" after "SZ".
  setSortLocaleAware(true);
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

bool ResultsFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
  return Matches(source_->Record(sourceRow), source_->Day(sourceRow), filter_);
}

}  // namespace resultswindow
