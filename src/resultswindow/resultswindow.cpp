#include "resultswindow/resultswindow.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QTextDocument>
#include <QTableView>
#include <QVBoxLayout>

#include "history/statscsv.h"
#include "platform/system.h"
#include "profiles/profiles.h"
#include "resultswindow/childrenpanel.h"
#include "resultswindow/progresschart.h"
#include "resultswindow/resultsstyle.h"
#include "resultswindow/statsxlsx.h"
#include "resultswindow/wordvoicespanel.h"
#include "words/spaczka.h"
#include "words/wordbits.h"
#include "stats/statsformat.h"

using namespace resultswindow;
using resultswindow::SetNotice;

namespace {

const QString kTitle = QStringLiteral("Wyniki");
// The default files' child, as the chooser at start-up calls it.
const QString kGuest = QStringLiteral("Gość");

QString DayText(QDate d) { return d.toString(QStringLiteral("yyyy-MM-dd")); }

// A name fit for a file name on any system: letters, digits and dashes.
QString FileNamePart(const QString& text) {
  QString part = text.trimmed();
  // Polish letters stay: "Łucja", not "_ucja".
  part.replace(QRegularExpression(QStringLiteral("[^\\w-]+"), QRegularExpression::UseUnicodePropertiesOption),
               QStringLiteral("_"));
  return part;
}

QDate Today() {
  const QDateTime now = history::ToUtcDateTime(platform::CurrentClock().UtcNow());
  return now.isValid() ? now.toLocalTime().date() : QDate::currentDate();
}

QLabel* Caption(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setFont(ResultsFont(10, true));
  return label;
}

// The same folder however it is written.
QString SamePath(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

}  // namespace

ResultsWindow::ResultsWindow(const ResultsSetup& setup, QWidget* parent) : QDialog(parent), setup_(setup) {
  // The file dialogs and the calendar speak Polish as the rest of the
  // program does; Qt's own texts come from Debian's Qt translations.
  setLocale(QLocale(QLocale::Polish, QLocale::Poland));
  if (qtTexts_.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qtTexts_);
  setWindowTitle(kTitle);
  setModal(true);
  setStyleSheet(StyleSheet());
  setFont(ResultsFont(10));
  AskSavePath = [this](const QString& suggested, const QString& filter) {
    QFileDialog* dialog = SaveDialog(this, suggested, filter);
    const bool chosen = dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty();
    const QString path = chosen ? dialog->selectedFiles().constFirst() : QString();
    delete dialog;
    return path;
  };
  Confirm = [this](const QString& question) {
    QMessageBox box(QMessageBox::Question, kTitle, question, QMessageBox::Yes | QMessageBox::No, this);
    // The question names the child and the folder.
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Tak, usuń"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nie"));
    // Enter alone must not delete.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
  };
  // Within the menu it covers (the whole screen in the full-screen modes),
  // leaving room for a window manager's frame and caption.
  const QSize room = parent ? parent->window()->size() : platform::PrimaryScreenSize();
  const QSize size = QSize(1000, 720).boundedTo(room - QSize(16, 48));
  Build(size.width() >= 960);
  FillChildChoice(setup_.inUseFolder);
  ChildChosen();
  resize(size);
}

ResultsWindow::~ResultsWindow() { QCoreApplication::removeTranslator(&qtTexts_); }

QFileDialog* ResultsWindow::SaveDialog(QWidget* parent, const QString& suggestedPath, const QString& filter) {
  auto* dialog = new QFileDialog(parent, QStringLiteral("Zapisz wyniki"), QFileInfo(suggestedPath).absolutePath(), filter);
  // Qt's own dialog: it adds the default suffix before its question about
  // replacing a file, which a system dialog may not.
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setDefaultSuffix(QFileInfo(suggestedPath).suffix());
  dialog->selectFile(QFileInfo(suggestedPath).fileName());
  return dialog;
}

bool ResultsWindow::eventFilter(QObject* watched, QEvent* event) {
  // The labels under the chart are spaced for its width.
  if (watched == chartView_ && event->type() == QEvent::Resize && chartView_->width() != chartWidth_) UpdateChart();
  return QDialog::eventFilter(watched, event);
}

void ResultsWindow::Build(bool wide) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 8, 12, 10);
  layout->setSpacing(4);

  auto* top = new QHBoxLayout;
  auto* title = new QLabel(kTitle, this);
  title->setObjectName(QStringLiteral("title"));
  title->setFont(ResultsFont(20, true));
  top->addWidget(title);
  auto* child = new QLabel(QStringLiteral("Dziecko:"), this);
  child->setFont(ResultsFont(12, true));
  top->addSpacing(12);
  top->addWidget(child);
  childChoice_ = new QComboBox(this);
  childChoice_->setObjectName(QStringLiteral("child"));
  childChoice_->setFont(ResultsFont(12, true));
  childChoice_->setIconSize(QSize(24, 24));
  childChoice_->setMinimumWidth(180);
  childChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  top->addWidget(childChoice_);
  top->addStretch(1);
  auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
  close->setObjectName(QStringLiteral("close"));
  close->setAutoDefault(false);
  top->addWidget(close);
  layout->addLayout(top);

  tabs_ = new QTabWidget(this);
  tabs_->setDocumentMode(true);
  tabs_->addTab(BuildGames(wide), QStringLiteral("Gry"));
  static const std::vector<SPaczka> kNoWords;
  children_ = new ChildrenPanel(setup_.baseFolder, setup_.inUseFolder, setup_.words ? *setup_.words : kNoWords,
                                pictures_, this);
  children_->Confirm = [this](const QString& q) { return Confirm && Confirm(q); };
  tabs_->addTab(children_, QStringLiteral("Dzieci"));
  if (setup_.words) {
    voices_ = new WordVoicesPanel(*setup_.words, pictures_, this);
    voices_->Confirm = [this](const QString& q) { return Confirm && Confirm(q); };
    tabs_->addTab(voices_, QStringLiteral("Słowa"));
  }
  layout->addWidget(tabs_, 1);

  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(childChoice_, &QComboBox::currentIndexChanged, this, &ResultsWindow::ChildChosen);
  connect(children_, &ChildrenPanel::Changed, this, [this](const QString& folder) {
    // A child just added or renamed is the one the adult thinks of next.
    FillChildChoice(folder.isEmpty() ? childChoice_->currentData().toString() : folder);
    ChildChosen();
  });
}

QWidget* ResultsWindow::BuildGames(bool wide) {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
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

  auto* panel = new QFrame(this);
  filters_ = panel;
  panel->setObjectName(QStringLiteral("panel"));
  auto* filters = new QGridLayout(panel);
  filters->setContentsMargins(10, 6, 10, 6);
  filters->setHorizontalSpacing(6);
  filters->setVerticalSpacing(4);
  game_ = new QComboBox(panel);
  game_->addItem(QStringLiteral("wszystkie"), 0);
  for (qint32 g : history::GameNumbers()) game_->addItem(history::GameText(g), g);
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
  layout->addWidget(panel);

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
  table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + (wide ? 6 : 2));
  table_->horizontalHeader()->setHighlightSections(false);
  table_->horizontalHeader()->setStretchLastSection(true);
  // The newest games first: the ones asked about most.
  table_->sortByColumn(kWhen, Qt::DescendingOrder);

  chartView_ = new QChartView(this);
  chartView_->setRenderHint(QPainter::Antialiasing);
  chartView_->setStyleSheet(QStringLiteral("background: transparent;"));
  chartView_->installEventFilter(this);

  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(table_);
  split->addWidget(chartView_);
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
    connect(box, &QComboBox::currentIndexChanged, this, &ResultsWindow::ApplyFilter);
  connect(from_, &QDateEdit::dateChanged, this, [this](QDate d) {
    if (to_->date() < d) to_->setDate(d);
    ApplyFilter();
  });
  connect(to_, &QDateEdit::dateChanged, this, [this](QDate d) {
    if (from_->date() > d) from_->setDate(d);
    ApplyFilter();
  });
  connect(reset, &QPushButton::clicked, this, &ResultsWindow::ResetFilters);
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
  return page;
}

void ResultsWindow::FillChildChoice(const QString& select) {
  const QSignalBlocker quiet(childChoice_);
  childChoice_->clear();
  childChoice_->addItem(kGuest, setup_.baseFolder);
  for (const profiles::Profile& p : profiles::List(setup_.baseFolder))
    childChoice_->addItem(QIcon(pictures_.Of(p.picture)), p.name, p.folder);
  // The asked child, else the child of this run (a removed child's place).
  int index = -1, inUse = 0;
  for (int i = 0; i < childChoice_->count(); ++i) {
    const QString folder = SamePath(childChoice_->itemData(i).toString());
    if (folder == SamePath(select)) index = i;
    if (folder == SamePath(setup_.inUseFolder)) inUse = i;
  }
  childChoice_->setCurrentIndex(index >= 0 ? index : inUse);
}

bool ResultsWindow::ShowChild(const QString& folder) {
  for (int i = 0; i < childChoice_->count(); ++i) {
    if (SamePath(childChoice_->itemData(i).toString()) == SamePath(folder)) {
      childChoice_->setCurrentIndex(i);
      return true;
    }
  }
  return false;
}

void ResultsWindow::ChildChosen() {
  const QString folder = childChoice_->currentData().toString();
  child_ = childChoice_->currentIndex() > 0 ? childChoice_->currentText() : QString();
  if (voices_) voices_->SetChild(folder, ChildText());
  Load(QDir(folder).filePath(statrec::FileName()));
}

void ResultsWindow::Load(const QString& statsPath) {
  // Whatever the previous child's file left on the screen goes first.
  SetNotice(notice_, QString(), "");
  status_->clear();
  firstDay_ = lastDay_ = QDate();
  model_->SetRecords({}, QTimeZone::systemTimeZone());
  filters_->show();
  chartView_->show();
  for (QPushButton* b : {csvButton_, xlsxButton_, pdfButton_}) b->setEnabled(true);
  history::StatsFile file;
  const bool exists = QFileInfo::exists(statsPath);
  if (exists) file = history::ReadStatsFile(statsPath);
  // The file is made when the child is chosen and filled at the first game:
  // no file or a bare header, nothing has gone wrong.
  if (!exists || (file.Ok() && file.records.isEmpty() && file.skippedRecords == 0 && file.ignoredBytes == 0)) {
    SetNotice(notice_,
              QStringLiteral("%1 nie ma jeszcze zapisanych gier. Wyniki pojawią się tu po pierwszej grze.")
                  .arg(ChildText()),
              "info");
    filters_->hide();
    chartView_->hide();
    for (QPushButton* b : {csvButton_, xlsxButton_, pdfButton_}) b->setEnabled(false);
    ApplyFilter();
    count_->setText(QStringLiteral("brak gier"));
    return;
  }
  if (!file.Ok()) {
    // Nothing to show: the reason, and no controls that would act on nothing.
    SetNotice(notice_, file.error + QStringLiteral(" Wyników nie można pokazać."), "error");
    filters_->hide();
    chartView_->hide();
    for (QPushButton* b : {csvButton_, xlsxButton_, pdfButton_}) b->setEnabled(false);
    ApplyFilter();
    table_->resizeColumnsToContents();
    count_->setText(QStringLiteral("brak gier"));
    return;
  }
  if (!file.warning.isEmpty())
    SetNotice(notice_, file.warning + QStringLiteral(" Pokazano pozostałe gry."), "warning");
  model_->SetRecords(std::move(file.records), QTimeZone::systemTimeZone());
  for (int i = 0; i < model_->rowCount(); ++i) {
    const QDate d = model_->Day(i);
    if (d.isNull()) continue;
    if (firstDay_.isNull() || d < firstDay_) firstDay_ = d;
    if (lastDay_.isNull() || d > lastDay_) lastDay_ = d;
  }
  if (firstDay_.isNull()) firstDay_ = lastDay_ = Today();
  for (QDateEdit* edit : {from_, to_}) edit->setDateRange(firstDay_, lastDay_);
  {
    const QSignalBlocker a(from_), b(to_);
    from_->setDate(firstDay_);
    to_->setDate(lastDay_);
  }
  ApplyFilter();
  table_->resizeColumnsToContents();
}

void ResultsWindow::ResetFilters() {
  const QSignalBlocker a(game_), b(sound_), c(position_), d(from_), e(to_);
  game_->setCurrentIndex(0);
  sound_->setCurrentIndex(0);
  position_->setCurrentIndex(0);
  from_->setDate(firstDay_);
  to_->setDate(lastDay_);
  ApplyFilter();
}

void ResultsWindow::ApplyFilter() {
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

void ResultsWindow::UpdateChart() {
  const QList<history::StatsRecord> shown = rows_->ShownRecords();
  const QList<QDate> days = rows_->ShownDays();
  step_ = StepForDays(days);
  periods_ = Progress(shown, days, step_);
  QChart* old = chartView_->chart();
  chartWidth_ = chartView_->width();
  chartView_->setChart(MakeProgressChart(periods_, step_, chartWidth_));
  delete old;
}

QString ResultsWindow::ChildText() const { return child_.isEmpty() ? kGuest : child_; }

QString ResultsWindow::RangeText() const {
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

QString ResultsWindow::SuggestedFileName(const QString& extension) const {
  return QStringLiteral("wyniki-%1-%2.%3").arg(FileNamePart(ChildText()), DayText(Today()), extension);
}

QString ResultsWindow::SaveCsv(const QString& path) const { return history::SaveStatsCsv(rows_->ShownRecords(), path); }

resultswindow::Report ResultsWindow::MakeReport() const {
  Report report;
  report.child = ChildText();
  report.range = RangeText();
  report.headings = history::StatsHeadings();
  report.rows = rows_->ShownTexts();
  report.periods = periods_;
  report.step = step_;
  return report;
}

QString ResultsWindow::SavePdf(const QString& path) const { return SaveReportPdf(MakeReport(), path); }

QString ResultsWindow::SaveXlsx(const QString& path) const {
  return SaveStatsXlsx(rows_->ShownRecords(), periods_, step_, path);
}

void ResultsWindow::Export(const QString& extension, const QString& filter,
                           const std::function<QString(const QString&)>& save) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  QString path = AskSavePath(QDir(folder).filePath(SuggestedFileName(extension)), filter);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + extension;
  const QString failure = save(path);
  if (!failure.isEmpty()) {
    platform::ShowMessageBox(this, failure, kTitle, platform::MessageIcon::Error);
    return;
  }
  status_->setText(
      QStringLiteral("Zapisano plik „%1” (gry: %2).").arg(QFileInfo(path).fileName()).arg(rows_->rowCount()));
  status_->setToolTip(Qt::convertFromPlainText(QDir::toNativeSeparators(path), Qt::WhiteSpaceNoWrap));
}
