#include "resultswindow/resultswindow.h"

#include "recorder/voicelibrary.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/system.h"
#include "profiles/profiles.h"
#include "resultswindow/childrenpanel.h"
#include "resultswindow/resultsstyle.h"
#include "resultswindow/wordvoicespanel.h"
#include "words/spaczka.h"

using namespace resultswindow;

namespace {

const QString kTitle = QStringLiteral("Wyniki");
// The default files' child, as the chooser at start-up calls it.
const QString kGuest = QStringLiteral("Gość");

// The same folder however it is written.
QString SamePath(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

}  // namespace

ResultsWindow::ResultsWindow(const ResultsSetup& setup, QWidget* parent)
    : QDialog(parent), setup_(setup), pictures_(setup.content) {
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
  const QSize room = parent ? parent->window()->size() : setup.services.screenSize();
  const QSize size = QSize(1000, 720).boundedTo(room - QSize(16, 48));
  Build(size.width() >= 960);
  FillChildChoice(setup_.inUseFolder);
  ChildChosen();
  resize(size);
}

ResultsWindow::~ResultsWindow() { QCoreApplication::removeTranslator(&qtTexts_); }

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
  games_ = new GamesPanel(wide, setup_.services, this);
  games_->AskSavePath = [this](const QString& suggested, const QString& filter) {
    return AskSavePath(suggested, filter);
  };
  tabs_->addTab(games_, QStringLiteral("Gry"));
  static const std::vector<SPaczka> kNoWords;
  children_ = new ChildrenPanel(setup_.baseFolder, setup_.inUseFolder, setup_.words ? *setup_.words : kNoWords,
                                pictures_, setup_.services, this);
  children_->Confirm = [this](const QString& q) { return Confirm && Confirm(q); };
  tabs_->addTab(children_, QStringLiteral("Dzieci"));
  if (setup_.words) {
    voices_ = new WordVoicesPanel(*setup_.words, pictures_,
                                  recorder::VoiceLibrary(setup_.inUseFolder, setup_.voicesFolder, setup_.content),
                                  setup_.services, this);
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
  games_->SetChild(folder, ChildText());
}

QString ResultsWindow::ChildText() const { return child_.isEmpty() ? kGuest : child_; }
