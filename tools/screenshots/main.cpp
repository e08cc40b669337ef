// screenshots <Data folder> <output folder> [800x600|1024x768]
//
// Runs the real screens with the built content in a throw-away program
// folder, plays through them with mouse clicks and saves what each window
// shows: the child chooser with five children, the menu, the labelling
// game, its recorder (the button beside a solved word, the light while it
// listens), the filling game's tab and the game after a wrong try, the
// falling game with its hint, Memory with a card turned and with a found pair beside the
// microphone button, the summary after a finished Memory game, the about
// box, and the results window over a prepared history of a few weeks, with
// two pages of its PDF report (drawn by pdftoppm), its children's tab and
// its words' voices. Sound and sleeps are
// switched off; nothing is written outside the output folder.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "app/program.h"
#include "games/falling/screen.h"
#include "games/filling/screen.h"
#include "games/labelling/podpisywanie.h"
#include "games/labelling/grapodpisywanie.h"
#include "games/labelling/rules.h"
#include "games/memory/memory.h"
#include "games/memory/gramemory.h"
#include "menu/Main.h"
#include "platform/exception.h"
#include "platform/system.h"
#include "profiles/profiles.h"
#include "recorder/recorder.h"
#include "recorder/voicelibrary.h"
#include "recorder/wavfile.h"
#include "resultswindow/childrenpanel.h"
#include "resultswindow/resultsreport.h"
#include "resultswindow/resultswindow.h"
#include "resultswindow/wordvoicespanel.h"
#include "results/Koniecgry.h"
#include "screens/KtoCwiczy.h"
#include "widgets/childcard.h"
#include "screens/Oprogramie.h"
#include "shell/_specfunc.h"
#include "support/program.h"
#include "support/microphone.h"
#include "support/seams.h"
#include "support/statsfiles.h"
#include "widgets/_ccheckbut.h"
#include "widgets/_cprzycisk.h"
#include "catalogue/_cslowa.h"
#include "words/_custgry.h"
#include "words/wordlist.h"

namespace {

// A clock stopped at one moment, so that every run draws the same words and
// the pictures only change when the program does; the game timers still run.
class StoppedClock : public platform::Clock {
 public:
  StoppedClock() {
    running_.start();
    testing::Plugs().clock = this;
  }
  ~StoppedClock() override { testing::Plugs().clock = nullptr; }
  platform::SystemTime UtcNow() override { return {2026, 6, 1, 1, 10, 0, 0, 0}; }
  qint64 LocalSeconds() override { return 36000; }
  qint64 MonotonicMs() override { return running_.elapsed(); }

 private:
  QElapsedTimer running_;
};

struct Failure {
  QString what;
};

QString outDir;
// The program being photographed, for the helpers below.
Program* program = nullptr;

void Save(QWidget* window, const QString& name) {
  window->repaint();
  QApplication::processEvents();
  const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QString path = outDir + QLatin1Char('/') + name + QStringLiteral(".png");
  if (!shot.save(path, "PNG")) throw Failure{QStringLiteral("cannot write ") + path};
  std::printf("screenshots: %s\n", qPrintable(path));
}

// Runs `step` from inside the window's modal loop once it is visible.
void WhenShown(QWidget* window, std::function<void()> step) {
  auto* poll = new QTimer(qApp);
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(poll, &QTimer::timeout, qApp, [=] {
    if (clock->elapsed() > 20000) {
      std::fprintf(stderr, "screenshots: a window never showed up\n");
      std::exit(1);
    }
    if (!window->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    delete clock;
    step();
  });
  poll->start(10);
}

void Click(QWidget* w, QPoint at) { QTest::mouseClick(w, Qt::LeftButton, {}, at); }
void ClickCentre(QWidget* w) { Click(w, w->rect().center()); }

// Picks a tab, an amount, one sound and one position on the menu by clicking
// them as a child would. The clicks toggle, so the current choice is read
// first.
void Choose(int tab, int amount, int sound, int position) {
  TfmMain* menu = program->fmMain();
  const int tabX = program->state().geometry.screenMode == 1 ? (tab == 1 ? 120 : 370) : (tab == 1 ? 150 : 470);
  if (tab == 3) {
    Click(menu->g_Menu3, QPoint(20, 10));
  } else if (tab == 4) {
    Click(menu->g_Menu4, QPoint(20, 10));
  } else {
    Click(menu->g_Menu, QPoint(tabX, 10));
  }
  CUstGry& s = *program->state().settings.ForTab(tab);
  ClickCentre(menu->AmountButton(amount - 1)->Input());
  for (int i = 0; i < 4; ++i) {
    const bool on = (s.gloski >> i) & 1;
    if (on != (i == sound)) ClickCentre((tab == 3 ? menu->PairButton(i) : menu->SoundButton(i))->Input());
  }
  for (int i = 0; i < 3; ++i) {
    const bool on = (s.pozycja >> (8 + i)) & 1;
    if (on != (i == position)) ClickCentre(menu->PositionButton(i)->Input());
  }
  menu->Repaint();
}

// Two cards of one word still on the Memory board; none once the game is
// over.
std::pair<CKarta*, CKarta*> APair() {
  graMemory* gra = program->gra();
  if (!gra) return {nullptr, nullptr};
  for (auto& a : gra->Karty) {
    for (auto& b : gra->Karty) {
      if (a && b && a != b && a->NaPlanszy() && b->NaPlanszy() && a->Nazwa == b->Nazwa) return {a.get(), b.get()};
    }
  }
  return {nullptr, nullptr};
}

// Solves the labelling game's current word as a child does: each wanted
// tile dragged into its slot.
void SolveWord(TfmPodpisywanie* screen) {
  graPodpisywanie* board = screen->Plansza();
  const QString& podzial = program->slowa()->Wylosowane.at(size_t(board->Zasady().Current())).Podzial;
  std::vector<CPrzGloska*> free;
  for (auto& tile : board->Przesuwane()) free.push_back(tile.get());
  int slot = 0;
  for (const labelling::Token& token : labelling::ScanSegmentation(podzial)) {
    auto it = std::find_if(free.begin(), free.end(), [&](CPrzGloska* t) { return t->Nazwa == token.phoneme; });
    if (it == free.end()) throw Failure{QStringLiteral("no tile for ") + token.phoneme};
    CPrzGloska* tile = *it;
    free.erase(it);
    QWidget* area = tile->Obraz;
    const QPoint grip(20, 20);
    const QPoint target = board->Puste().at(size_t(slot++))->Pozycja() - area->pos() + grip;
    QTest::mousePress(area, Qt::LeftButton, {}, grip);
    QTest::mouseMove(area, (grip + target) / 2);
    QTest::mouseMove(area, target);
    QTest::mouseRelease(area, Qt::LeftButton, {}, target);
  }
}

void ClickCard(CKarta* card) { Click(card->Obraz.data(), QPoint(40, 50)); }

// Pages of the results window's PDF as pictures, through pdftoppm.
void SavePdfPage(const QString& pdf, int page, const QString& name) {
  const QString prefix = outDir + QLatin1Char('/') + name;
  QProcess render;
  render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("70"),
                                            QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                            QString::number(page), QStringLiteral("-singlefile"), pdf, prefix});
  if (!render.waitForFinished(60000) || render.exitStatus() != QProcess::NormalExit || render.exitCode() != 0)
    throw Failure{QStringLiteral("pdftoppm could not draw ") + pdf + QStringLiteral(" (is poppler-utils installed?)")};
  std::printf("screenshots: %s.png\n", qPrintable(prefix));
}

// The workbook's first sheet as LibreOffice Calc shows it, where LibreOffice
// is installed (it is not needed to build or test the program).
void SaveWorkbookPicture(ResultsWindow* results, const QString& folder) {
  const QString xlsx = QDir(folder).filePath(QStringLiteral("wyniki.xlsx"));
  if (const QString f = results->SaveXlsx(xlsx); !f.isEmpty()) throw Failure{f};
  QProcess office;
  office.start(QStringLiteral("libreoffice"), {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                                               QStringLiteral("--outdir"), folder, xlsx});
  if (!office.waitForFinished(120000) || office.exitCode() != 0) {
    std::printf("screenshots: xlsx.png left as it was (no LibreOffice here)\n");
    return;
  }
  SavePdfPage(QDir(folder).filePath(QStringLiteral("wyniki.pdf")), 1, QStringLiteral("xlsx"));
}

// Runs `step` once the menu's results window is up, from inside its loop.
void WhenResultsShown(std::function<void(ResultsWindow*)> step) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, qApp, [=] {
    auto* results = program->fmMain()->findChild<ResultsWindow*>();
    if (!results || !results->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    step(results);
  });
  poll->start(10);
}

void Run(const QString& data, QSize screen) {
  const QString wordList = QDir(data).filePath(QStringLiteral("words.txt"));
  if (!QFileInfo::exists(wordList)) throw Failure{QStringLiteral("no ") + wordList + QStringLiteral(" (build first)")};
  // The shared program fixture takes the build's content from here.
  qputenv("FONIKRA_DATA_DIR", QFile::encodeName(data));
  testing::FakeScreen display(screen);
  testing::FakeSleep sleep;
  testing::FakeSound sound;
  StoppedClock clock;
  testing::ProgramFixture fixture(screen.width() == 800 ? 1 : 2);
  if (!fixture.ready) throw Failure{QStringLiteral("the screens cannot be made from ") + data + QStringLiteral(" (build first)")};
  program = &fixture.program;
  // The pictures show the games over the build's whole word list, as the
  // program reads it beside the built-in words.
  CSlowa* slowa = program->slowa();
  for (SPaczka& slowo : words::LoadWordList(wordList)) {
    if (!slowa->Ma(slowo.Nazwa)) slowa->Dodaj(std::move(slowo));
  }

  // The chooser as a family of five sees it at start, the first child lit.
  {
    std::vector<profiles::Profile> children;
    const char* const names[][2] = {
        {"Ala", "szalik"}, {"Bartek", "czapka"}, {"Celina", "kaczka"}, {"Dawid", "jez"}, {"Łucja", "gruszka"}};
    for (const auto& [name, picture] : names) {
      children.push_back({QString::fromUtf8(name), QString(), QString::fromLatin1(picture)});
    }
    TfmKtoCwiczy chooser(program->state(), children, nullptr);
    chooser.show();
    if (!QTest::qWaitForWindowExposed(&chooser)) throw Failure{QStringLiteral("the chooser never showed")};
    Save(&chooser, QStringLiteral("chooser"));
  }

  TfmMain* menu = program->fmMain();
  menu->show();
  if (!QTest::qWaitForWindowExposed(menu)) throw Failure{QStringLiteral("the menu never showed")};

  // Menu, on the labelling tab: CZ in the middle of the word, ten words.
  Choose(1, 2, 2, 1);
  Save(menu, QStringLiteral("menu"));

  // The labelling game as it opens, with its first word.
  WhenShown(program->fmPodpisywanie(), [] {
    QTest::qWait(100);
    TfmPodpisywanie* labelling = program->fmPodpisywanie();
    Save(labelling, QStringLiteral("labelling"));
    // The word solved: the microphone button beside it, then the light
    // while a generated voice is being recorded.
    testing::FakeMicrophone mic;
    mic.signal = testing::Tone(600, 8000);
    mic.onRead = [labelling](int read) {
      if (read == 3) Save(labelling, QStringLiteral("recorder_light"));
    };
    SolveWord(labelling);
    if (!labelling->Mikrofon->Widoczny()) throw Failure{QStringLiteral("no microphone button on a solved word")};
    Save(labelling, QStringLiteral("recorder_button"));
    QTest::keyClick(labelling, Qt::Key_N);
    WhenShown(program->fmKoniecGry(), [] { program->fmKoniecGry()->SetModalResult(TfmKoniecGry::kClose); });
    labelling->A_Stop.Execute(labelling);
  });
  ClickCentre(menu->StartButton());
  menu->Repaint();

  // Memory on its smallest board: one card turned, then every pair found,
  // which ends in the summary.
  Choose(2, 1, 0, 2);
  WhenShown(program->fmMemory(), [] {
    QTest::qWait(100);
    auto [a, b] = APair();
    if (!a) throw Failure{QStringLiteral("no pair on the Memory board")};
    ClickCard(a);
    Save(program->fmMemory(), QStringLiteral("memory"));
    {
      // The pair found: its large picture with the microphone button.
      testing::FakeMicrophone mic;
      ClickCard(b);
      Save(program->fmMemory(), QStringLiteral("recorder_memory"));
    }
    b->TimerTrafiona->Fire();
    WhenShown(program->fmKoniecGry(), [] {
      QTest::qWait(100);
      Save(program->fmKoniecGry(), QStringLiteral("summary"));
      program->fmKoniecGry()->SetModalResult(TfmKoniecGry::kClose);
    });
    for (auto [c, d] = APair(); c; std::tie(c, d) = APair()) {
      ClickCard(c);
      ClickCard(d);
      d->TimerTrafiona->Fire();
    }
  });
  ClickCentre(menu->StartButton());
  menu->Repaint();

  // The filling game's tab, SZ – S at the start of the word, and the game
  // after one wrong try: the word's tiles, the gap, both answers waiting.
  Choose(3, 1, 0, 0);
  Save(menu, QStringLiteral("menu-filling"));
  WhenShown(program->fmUzupelnianie(), [] {
    QTest::qWait(100);
    filling::Screen* screen = program->fmUzupelnianie();
    filling::Board* board = screen->Plansza();
    const QString right = board->Zasady().CurrentTask()->right;
    for (CPrzGloska* tile : board->Odpowiedzi()) {
      if (tile->Nazwa == right) continue;
      QTest::mousePress(tile->Obraz, Qt::LeftButton, {}, QPoint(20, 20));
      QTest::mouseRelease(tile->Obraz, Qt::LeftButton, {}, QPoint(20, 20));
      break;
    }
    screen->Repaint();
    Save(screen, QStringLiteral("filling"));
    WhenShown(program->fmKoniecGry(), [] { program->fmKoniecGry()->SetModalResult(TfmKoniecGry::kClose); });
    screen->A_Stop.Execute(screen);
  });
  ClickCentre(menu->StartButton());
  menu->Repaint();

  // The falling game a few seconds in, "pomoc" framing the right pictures.
  Choose(4, 1, 0, 0);
  WhenShown(program->fmSpadajace(), [] {
    QTest::qWait(100);
    falling::Screen* screen = program->fmSpadajace();
    screen->TimerKlatki()->SetEnabled(false);
    // Until a right picture is wholly in, so that the hint has one to frame.
    const auto rightIn = [screen] {
      for (const falling::Picture& p : screen->Scena()->rules().InAir()) {
        if (p.word.right && p.place.top() > 40) return true;
      }
      return false;
    };
    for (int ms = 0; ms < 60000 && !rightIn(); ms += 16) screen->Klatka(16);
    screen->A_Pomoc.Execute(screen);
    screen->Klatka(16);
    Save(screen, QStringLiteral("falling"));
    WhenShown(program->fmKoniecGry(), [] { program->fmKoniecGry()->SetModalResult(TfmKoniecGry::kClose); });
    screen->A_Stop.Execute(screen);
  });
  ClickCentre(menu->StartButton());
  menu->Repaint();

  WhenShown(program->fmOProgramie(), [] {
    QTest::qWait(100);
    TfmOProgramie* about = program->fmOProgramie();
    Save(about, QStringLiteral("about"));
    about->A_Stop.Execute(about);
  });
  ClickCentre(menu->AboutButton());

  // The menu as a chosen child sees it, on the Memory tab as Memory left
  // it: the child's card on the grass.
  Click(menu->g_Menu, QPoint(program->state().geometry.screenMode == 1 ? 370 : 470, 10));
  menu->UstawDziecko(QStringLiteral("Ala"), childcard::WordPicture(program->state().content, QStringLiteral("szalik")));
  menu->Repaint();
  Save(menu, QStringLiteral("menu-child"));

  // The results window over five weeks of practice, in place of the games
  // just played.
  fixture.dir.Write(QStringLiteral("prgst6.stt"),
                    testing::StatsBytes(testing::PracticeWeeks(QDate(2026, 5, 31), 35, 7)));
  // Three children with profiles, Ala with games and recordings of her own,
  // and the adult's voice kept for two words.
  profiles::Profile ala;
  for (const auto& [name, picture] : {std::pair{"Ala", "szalik"}, {"Bartek", "czapka"}, {"Łucja", "gruszka"}}) {
    profiles::Profile added;
    const QString failure = profiles::Add(fixture.dir.Path(), QString::fromUtf8(name), QString::fromLatin1(picture), &added);
    if (!failure.isEmpty()) throw Failure{failure};
    if (added.name == QStringLiteral("Ala")) ala = added;
  }
  fixture.dir.Write(QStringLiteral("Profile/Ala/prgst6.stt"),
                    testing::StatsBytes(testing::PracticeWeeks(QDate(2026, 5, 31), 12, 3)));
  for (int minute : {5, 12, 40}) {
    const QDateTime when(QDate(2026, 5, 30), QTime(17, minute, 10));
    recorder::SaveWav(ala.folder + QStringLiteral("/Nagrania/") + recorder::RecordingFileName(QStringLiteral("szalik"), when),
                      testing::Tone(500, 8000), recorder::kSampleRate);
  }
  for (const char* key : {"szalik", "czapka"})
    recorder::VoiceLibrary(fixture.program.state().files, fixture.program.state().content)
        .KeepModel(QString::fromLatin1(key), testing::Tone(500, 8000), recorder::kSampleRate);
  // The adult's microphone: the words' tab offers recording.
  testing::FakeMicrophone adultsMicrophone;
  WhenResultsShown([ala, guest = fixture.dir.Path(), &fixture](ResultsWindow* results) {
    QTest::qWait(100);
    Save(results, QStringLiteral("results"));
    // Ala chosen in the children's tab; then her recordings of a word whose
    // voice the adult recorded.
    results->Tabs()->setCurrentWidget(results->Children());
    results->Children()->Select(ala.folder);
    QTest::qWait(50);
    Save(results, QStringLiteral("results-children"));
    results->ShowChild(ala.folder);
    results->Tabs()->setCurrentWidget(results->Voices());
    QListWidget* words = results->Voices()->WordList();
    for (int i = 0; i < words->count(); ++i) {
      if (words->item(i)->data(Qt::UserRole).toString() == QStringLiteral("szalik")) words->setCurrentRow(i);
    }
    QTest::qWait(50);
    Save(results, QStringLiteral("results-words"));
    results->ShowChild(guest);
    results->Tabs()->setCurrentIndex(0);
    QTemporaryDir pdfDir;
    const QString pdf = pdfDir.filePath(QStringLiteral("wyniki.pdf"));
    const QString failure = results->SavePdf(pdf);
    if (!failure.isEmpty()) throw Failure{failure};
    SavePdfPage(pdf, 1, QStringLiteral("results-pdf-table"));
    SavePdfPage(pdf, resultswindow::ReportPageCount(results->Rows()->rowCount()), QStringLiteral("results-pdf-chart"));

    // A year of practice: the chart by weeks, on screen and on paper, and
    // the workbook as a spreadsheet shows it.
    fixture.dir.Write(QStringLiteral("prgst6.stt"), testing::StatsBytes(testing::PracticeWeeks(QDate(2026, 5, 31), 365, 11)));
    results->ShowChild(ala.folder);  // the guest's file read afresh
    results->ShowChild(guest);
    QTest::qWait(50);
    Save(results, QStringLiteral("results-year"));
    const QString yearPdf = pdfDir.filePath(QStringLiteral("rok.pdf"));
    if (const QString f = results->SavePdf(yearPdf); !f.isEmpty()) throw Failure{f};
    SavePdfPage(yearPdf, resultswindow::ReportPageCount(results->Rows()->rowCount()), QStringLiteral("results-pdf-year"));
    SaveWorkbookPicture(results, pdfDir.path());
    results->accept();
  });
  ClickCentre(menu->ResultsButton());
  program = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: screenshots <Data folder> <output folder> [800x600|1024x768]\n");
    return 2;
  }
  const QSize screen = argc == 4 && QByteArray(argv[3]) == "1024x768" ? QSize(1024, 768) : QSize(800, 600);
  outDir = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
  QDir().mkpath(outDir);
  try {
    Run(QDir(QString::fromLocal8Bit(argv[1])).absolutePath(), screen);
  } catch (const Failure& f) {
    std::fprintf(stderr, "screenshots: %s\n", qPrintable(f.what));
    return 1;
  } catch (const platform::Exception& e) {
    std::fprintf(stderr, "screenshots: %s\n", qPrintable(e.Message()));
    return 1;
  }
  return 0;
}
