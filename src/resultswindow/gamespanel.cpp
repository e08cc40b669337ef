#include "resultswindow/gamespanel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

#include "games/registry.h"
#include "history/statscsv.h"
#include "history/statsfile.h"
#include "resultswindow/progresschart.h"
#include "resultswindow/resultsmodel.h"
#include "resultswindow/resultsstyle.h"
#include "resultswindow/statsxlsx.h"
#include "stats/statsformat.h"
#include "words/wordbits.h"

namespace resultswindow {

namespace {

// The caption of what the panel says in a message box: the window's title.
const QString kCaption = QStringLiteral("Wyniki");

QLabel* Caption(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setFont(ResultsFont(10, true));
  return label;
}

}  // namespace

GamesPanel::GamesPanel(bool wide, const platform::Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 6, 0, 0);
  layout->setSpacing(6);

  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("notice"));
  // It quotes file names, which may hold anything.
  notice_->setTextFormat(Qt::PlainText);
  notice_->setWordWrap(true);
  notice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  notice_->hide();
  layout->addWidget(notice_);
  layout->addWidget(BuildFilters(wide));

  model_ = new ResultsModel(this);
  rows_ = new ResultsFilter(model_, this);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("games"));
  table_->setModel(rows_);
  table_->setSortingEnabled(true);
  table_->setAlternatingRowColors(true);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  // A line of the window's text: the panel's own font is settled only once
  // it is shown.
  table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(window()->font()).height() + (wide ? 6 : 2));
  table_->horizontalHeader()->setHighlightSections(false);
  table_->horizontalHeader()->setStretchLastSection(true);
  // The newest games first: the ones asked about most.
  table_->sortByColumn(kWhen, Qt::DescendingOrder);

  chart_ = new ProgressChart(this);

  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(table_);
  split->addWidget(chart_);
  split->setChildrenCollapsible(false);
  split->setStretchFactor(0, 2);
  split->setStretchFactor(1, 3);
  // The chart needs the height for its labels more than the table, which
  // scrolls.
  split->setSizes({170, 330});
  layout->addWidget(split, 1);

  auto* bottom = new QHBoxLayout;
  csvButton_ = new QPushButton(QStringLiteral("Zapisz CSV…"), this);
  xlsxButton_ = new QPushButton(QStringLiteral("Zapisz arkusz (.xlsx)…"), this);
  pdfButton_ = new QPushButton(QStringLiteral("Zapisz PDF do druku…"), this);
  for (QPushButton* b : {csvButton_, xlsxButton_, pdfButton_}) {
    b->setAutoDefault(false);
    bottom->addWidget(b);
  }
  status_ = new QLabel(this);
  status_->setTextFormat(Qt::PlainText);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  bottom->addWidget(status_, 1);
  count_ = new QLabel(this);
  bottom->addWidget(count_);
  layout->addLayout(bottom);

  for (QComboBox* box : {game_, sound_, position_})
    connect(box, &QComboBox::currentIndexChanged, this, &GamesPanel::ApplyFilter);
  connect(from_, &QDateEdit::dateChanged, this, [this](QDate d) {
    if (to_->date() < d) to_->setDate(d);
    ApplyFilter();
  });
  connect(to_, &QDateEdit::dateChanged, this, [this](QDate d) {
    if (from_->date() > d) from_->setDate(d);
    ApplyFilter();
  });
  connect(csvButton_, &QPushButton::clicked, this, [this] {
    Export(QStringLiteral("csv"), QStringLiteral("Arkusz CSV (*.csv)"), [this](const QString& p) { return SaveCsv(p); });
  });
  connect(xlsxButton_, &QPushButton::clicked, this, [this] {
    Export(QStringLiteral("xlsx"), QStringLiteral("Arkusz Excel (*.xlsx)"),
           [this](const QString& p) { return SaveXlsx(p); });
  });
  connect(pdfButton_, &QPushButton::clicked, this, [this] {
    Export(QStringLiteral("pdf"), QStringLiteral("Dokument PDF (*.pdf)"), [this](const QString& p) { return SavePdf(p); });
  });
}

QWidget* GamesPanel::BuildFilters(bool wide) {
  auto* panel = new QFrame(this);
  filters_ = panel;
  panel->setObjectName(QStringLiteral("panel"));
  auto* filters = new QGridLayout(panel);
  filters->setContentsMargins(10, 6, 10, 6);
  filters->setHorizontalSpacing(6);
  filters->setVerticalSpacing(4);
  game_ = new QComboBox(panel);
  // Its games follow the child's file: a longer name fits when it comes.
  game_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  OfferGames({});
  sound_ = new QComboBox(panel);
  sound_->addItem(QStringLiteral("wszystkie"), 0);
  for (quint16 bit : words::kSounds) sound_->addItem(history::SoundsText(qint16(bit)), bit);
  position_ = new QComboBox(panel);
  position_->addItem(QStringLiteral("wszystkie"), 0);
  for (quint16 bit : words::kPositions) position_->addItem(history::PositionsText(qint16(bit)), bit);
  from_ = new QDateEdit(panel);
  to_ = new QDateEdit(panel);
  for (QDateEdit* edit : {from_, to_}) {
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
  }
  auto* reset = new QPushButton(QStringLiteral("Wszystko"), panel);
  reset->setObjectName(QStringLiteral("reset"));
  reset->setToolTip(QStringLiteral("Pokaż wszystkie gry"));
  // One row where there is room; on the small screen the dates go below.
  const bool oneRow = wide;
  QList<QWidget*> cells = {Caption(QStringLiteral("Gra:"), panel),     game_,
                           Caption(QStringLiteral("Głoska:"), panel),  sound_,
                           Caption(QStringLiteral("Pozycja:"), panel), position_};
  const QList<QWidget*> dates = {Caption(QStringLiteral("Od:"), panel), from_, Caption(QStringLiteral("Do:"), panel), to_};
  for (int i = 0; i < cells.size(); ++i) filters->addWidget(cells[i], 0, i);
  for (int i = 0; i < dates.size(); ++i) filters->addWidget(dates[i], oneRow ? 0 : 1, oneRow ? int(cells.size()) + i : i);
  const int last = oneRow ? int(cells.size() + dates.size()) : int(cells.size());
  filters->setColumnStretch(last, 1);
  filters->addWidget(reset, oneRow ? 0 : 1, last + 1);
  connect(reset, &QPushButton::clicked, this, &GamesPanel::ResetFilters);
  return panel;
}

void GamesPanel::OfferGames(const QList<history::StatsRecord>& records) {
  QList<qint32> held;
  for (const history::StatsRecord& r : records)
    if (!held.contains(r.stored.gameNumber)) held << r.stored.gameNumber;
  const QVariant chosen = game_->currentData();
  const QSignalBlocker quiet(game_);
  game_->clear();
  game_->addItem(QStringLiteral("wszystkie"), 0);
  // The two first games are always offered, as they always were; a game
  // added since, once the child has played it.
  for (qint32 g : history::GameNumbers()) {
    if (g == games::kPodpisywanie || g == games::kMemory || held.contains(g)) game_->addItem(history::GameText(g), g);
  }
  game_->setCurrentIndex(qMax(0, game_->findData(chosen)));
}

void GamesPanel::SetChild(const QString& folder, const QString& child) {
  child_ = child;
  Load(QDir(folder).filePath(statrec::FileName()));
}

void GamesPanel::Load(const QString& statsPath) {
  // Whatever the previous child's file left on the screen goes first.
  SetNotice(notice_, QString(), "");
  status_->clear();
  firstDay_ = lastDay_ = QDate();
  model_->SetRecords({}, QTimeZone::systemTimeZone());
  filters_->show();
  chart_->show();
  for (QPushButton* b : {csvButton_, xlsxButton_, pdfButton_}) b->setEnabled(true);
  history::StatsFile file;
  const bool exists = QFileInfo::exists(statsPath);
  if (exists) file = history::ReadStatsFile(statsPath);
  // The file is made when the child is chosen and filled at the first game:
  // no file or a bare header, nothing has gone wrong.
  if (!exists || (file.Ok() && file.records.isEmpty() && file.skippedRecords == 0 && file.ignoredBytes == 0)) {
    ShowNoGames(QStringLiteral("%1 nie ma jeszcze zapisanych gier. Wyniki pojawią się tu po pierwszej grze.").arg(child_),
                "info");
    return;
  }
  if (!file.Ok()) {
    ShowNoGames(file.error + QStringLiteral(" Wyników nie można pokazać."), "error");
    table_->resizeColumnsToContents();
    return;
  }
  if (!file.warning.isEmpty())
    SetNotice(notice_, file.warning + QStringLiteral(" Pokazano pozostałe gry."), "warning");
  OfferGames(file.records);
  model_->SetRecords(std::move(file.records), QTimeZone::systemTimeZone());
  for (int i = 0; i < model_->rowCount(); ++i) {
    const QDate d = model_->Day(i);
    if (d.isNull()) continue;
    if (firstDay_.isNull() || d < firstDay_) firstDay_ = d;
    if (lastDay_.isNull() || d > lastDay_) lastDay_ = d;
  }
  if (firstDay_.isNull()) firstDay_ = lastDay_ = Today(*services_.clock);
  for (QDateEdit* edit : {from_, to_}) edit->setDateRange(firstDay_, lastDay_);
  {
    const QSignalBlocker a(from_), b(to_);
    from_->setDate(firstDay_);
    to_->setDate(lastDay_);
  }
  ApplyFilter();
  table_->resizeColumnsToContents();
}

void GamesPanel::ShowNoGames(const QString& notice, const char* kind) {
  SetNotice(notice_, notice, kind);
  OfferGames({});
  filters_->hide();
  chart_->hide();
  for (QPushButton* b : {csvButton_, xlsxButton_, pdfButton_}) b->setEnabled(false);
  ApplyFilter();
  count_->setText(QStringLiteral("brak gier"));
}

void GamesPanel::ResetFilters() {
  const QSignalBlocker a(game_), b(sound_), c(position_), d(from_), e(to_);
  game_->setCurrentIndex(0);
  sound_->setCurrentIndex(0);
  position_->setCurrentIndex(0);
  from_->setDate(firstDay_);
  to_->setDate(lastDay_);
  ApplyFilter();
}

void GamesPanel::ApplyFilter() {
  Filter f;
  f.game = game_->currentData().toInt();
  f.sound = quint16(sound_->currentData().toUInt());
  f.position = quint16(position_->currentData().toUInt());
  // A bound at the first or last day of the file is no bound: games without
  // a date stay in the table until a range is really asked for.
  if (from_->date() != firstDay_) f.from = from_->date();
  if (to_->date() != lastDay_) f.to = to_->date();
  rows_->SetFilter(f);
  count_->setText(QStringLiteral("pokazane gry: %1 z %2").arg(rows_->rowCount()).arg(model_->rowCount()));
  UpdateChart();
}

void GamesPanel::UpdateChart() {
  const QList<history::StatsRecord> shown = rows_->ShownRecords();
  const QList<QDate> days = rows_->ShownDays();
  step_ = StepForDays(days);
  periods_ = Progress(shown, days, step_);
  chart_->SetPeriods(periods_, step_);
}

QString GamesPanel::RangeText() const {
  QDate first, last;
  for (const QDate& d : rows_->ShownDays()) {
    if (d.isNull()) continue;
    if (first.isNull() || d < first) first = d;
    if (last.isNull() || d > last) last = d;
  }
  // The asked range where one was set, else the days the shown games span.
  const Filter& f = rows_->CurrentFilter();
  if (!f.from.isNull()) first = f.from;
  if (!f.to.isNull()) last = f.to;
  if (first.isNull()) return QStringLiteral("gry bez daty");
  return QStringLiteral("Gry od %1 do %2").arg(DayText(first), DayText(last));
}

QString GamesPanel::SaveCsv(const QString& path) const { return history::SaveStatsCsv(rows_->ShownRecords(), path); }

Report GamesPanel::MakeReport() const {
  Report report;
  report.child = child_;
  report.range = RangeText();
  report.headings = history::StatsHeadings();
  report.rows = rows_->ShownTexts();
  report.periods = periods_;
  report.step = step_;
  return report;
}

QString GamesPanel::SavePdf(const QString& path) const { return SaveReportPdf(MakeReport(), path); }

QString GamesPanel::SaveXlsx(const QString& path) const {
  return SaveStatsXlsx(rows_->ShownRecords(), periods_, step_, path);
}

void GamesPanel::Export(const QString& extension, const QString& filter,
                        const std::function<QString(const QString&)>& save) {
  const QString path = resultswindow::Export(window(), services_, AskSavePath, kCaption, SuggestedFileName(extension), filter, save);
  if (path.isEmpty()) return;
  status_->setText(
      QStringLiteral("Zapisano plik „%1” (gry: %2).").arg(QFileInfo(path).fileName()).arg(rows_->rowCount()));
  status_->setToolTip(Qt::convertFromPlainText(QDir::toNativeSeparators(path), Qt::WhiteSpaceNoWrap));
}

}  // namespace resultswindow
