#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QList>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QTimeZone>
#include <array>

#include "history/statsfile.h"

// The games of a statistics file as a table the results window sorts and
// filters. The cells are the texts of the CSV export, so that what is seen,
// printed and exported reads the same. A history can hold a million games:
// a cell's text is made only when it is shown, and a sort compares numbers
// kept per game, never texts.
namespace resultswindow {

// In the order of history::StatsHeadings().
enum Column { kWhen, kGame, kSounds, kPositions, kAmount, kDuration, kFinished, kCorrect, kWrong, kHints, kRating,
              kColumnCount };

// What a column sorts by (a qint64): the moment or the number behind a cell,
// so that "10" follows "9" and dates keep their order whatever their text;
// a text column by its text's place in the Polish alphabet.
constexpr int kSortRole = Qt::UserRole + 1;

class ResultsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ResultsModel(QObject* parent = nullptr);

  // Replaces the games; their times are shown in `zone`.
  void SetRecords(QList<history::StatsRecord> records, const QTimeZone& zone);
  const history::StatsRecord& Record(int row) const { return rows_[row].record; }
  // The game's day in the shown zone; null when the stored start is no date.
  QDate Day(int row) const { return rows_[row].day; }
  // The row's cells, as the CSV export writes them.
  QStringList Texts(int row) const;
  QString Text(int row, int column) const;
  qint64 SortKey(int row, int column) const { return SortKeys(column)[row]; }
  // Every row's key for the column, worked out at the first sort by it.
  const QList<qint64>& SortKeys(int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  struct Row {
    history::StatsRecord record;
    QDate day;
  };
  QList<Row> rows_;
  mutable std::array<QList<qint64>, kColumnCount> keys_;
  QTimeZone zone_;
  QStringList headings_;
};

// What the therapist narrowed the table to. A zero or a null date leaves
// that side open.
struct Filter {
  qint32 game = 0;      // a games::Registry() number
  // One of words::kSounds: games that practised it, alone or against its
  // hissing partner ("SZ – S" is a game of SZ). A lone hissing sound, which
  // no game writes, is a game of none.
  quint16 sound = 0;
  quint16 position = 0; // one of words::kPositions
  QDate from, to;       // days in the shown zone, both included

  bool operator==(const Filter&) const = default;
};

// A game without a date passes only while no date bound is set: it cannot
// be placed in a range, but it is not to vanish from the whole history.
bool Matches(const history::StatsRecord& record, QDate day, const Filter& filter);

// The table as shown: filtered, and sorted by the sort role.
class ResultsFilter : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  explicit ResultsFilter(ResultsModel* source, QObject* parent = nullptr);

  void SetFilter(const Filter& filter);
  const Filter& CurrentFilter() const { return filter_; }

  // The shown games and their cells, in the shown order.
  QList<history::StatsRecord> ShownRecords() const;
  QList<QStringList> ShownTexts() const;
  // The shown games' days in the shown zone, in the shown order.
  QList<QDate> ShownDays() const;

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  ResultsModel* source_;
  Filter filter_;
};

}  // namespace resultswindow
