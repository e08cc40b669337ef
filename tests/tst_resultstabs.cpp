// The results window beyond the games: whose results it shows, the
// children's profiles managed in "Dzieci", the words' voices in "Słowa".
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "locations/filelocations.h"
#include "profiles/profiles.h"
#include "recorder/voicelibrary.h"
#include "session/childfiles.h"
#include "session/contentroot.h"
#include "recorder/wavfile.h"
#include "resultswindow/childrecordings.h"
#include "resultswindow/childrenpanel.h"
#include "resultswindow/gamespanel.h"
#include "resultswindow/progresschart.h"
#include "resultswindow/resultswindow.h"
#include "resultswindow/wordvoicespanel.h"
#include "support/fakeclock.h"
#include "support/microphone.h"
#include "support/programdir.h"
#include "support/seams.h"
#include "support/statsfiles.h"
#include "catalogue/_cslowa.h"
#include "words/wordbits.h"

using resultswindow::ChildrenPanel;
using resultswindow::WordVoicesPanel;
using testing::Game;
using testing::operator+;

namespace {

QList<Game> Games(int n) {
  QList<Game> games;
  for (int i = 0; i < n; ++i) games << Game{.utc = QDateTime(QDate(2026, 6, 1 + i), QTime(10, 0), QTimeZone::utc())};
  return games;
}

QStringList ChoiceTexts(const QComboBox* box) {
  QStringList texts;
  for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
  return texts;
}

int RowOf(const QListWidget* list, const QString& key) {
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->data(Qt::UserRole).toString() == key) return i;
  }
  return -1;
}

}  // namespace

class ResultsTabsTest : public QObject {
  Q_OBJECT

 private:
  // The program's folder with the build's pictures and sounds; the default
  // files there, profiles under it.
  std::unique_ptr<testing::ProgramDir> dir_;
  std::unique_ptr<testing::FakeMessageBox> box_;
  std::unique_ptr<testing::FakeSound> sound_;
  std::unique_ptr<CSlowa> slowa_;

  QString Base() const { return dir_->Path(); }
  // The adult's voices beside the default files, the content in the same folder.
  recorder::VoiceLibrary Voices() const {
    return recorder::VoiceLibrary(session::ChildFiles::InFolder(Base()), session::ContentRoot(Base()));
  }
  profiles::Profile Child(const QString& name, int games) {
    profiles::Profile p;
    if (!profiles::Add(Base(), name, QStringLiteral("szalik"), &p).isEmpty()) qFatal("no profile");
    if (games > 0) dir_->Write(QStringLiteral("Profile/") + name + QStringLiteral("/prgst6.stt"), testing::StatsBytes(Games(games)));
    return p;
  }
  std::unique_ptr<ResultsWindow> Window(const QString& inUse) {
    auto window = std::make_unique<ResultsWindow>(
        ResultsSetup{.baseFolder = Base(),
                     .inUseFolder = inUse,
                     .words = &slowa_->Slownik(),
                     .content = session::ContentRoot(Base()),
                     .voicesFolder = Voices().ModelsFolder(), .services = testing::Services()});
    window->Confirm = [this](const QString& q) {
      questions << q;
      return answer;
    };
    return window;
  }
  QStringList questions;
  bool answer = false;

 private slots:
  void init() {
    dir_ = std::make_unique<testing::ProgramDir>();
    QVERIFY(dir_->UseBuiltContent());
    QCOMPARE(QDir(locations::Default(testing::Services().programDir).statsDir).canonicalPath(), QDir(Base()).canonicalPath());
    box_ = std::make_unique<testing::FakeMessageBox>();
    sound_ = std::make_unique<testing::FakeSound>();
    slowa_ = std::make_unique<CSlowa>(session::ContentRoot(Base()), testing::Clock(), qEnvironmentVariable("FONIKRA_DATA_DIR") + QStringLiteral("/words.txt"));
    questions.clear();
    answer = false;
  }
  void cleanup() {
    slowa_.reset();
    sound_.reset();
    box_.reset();
    dir_.reset();
  }

  void itOpensOnTheChildOfThisRunAndShowsEachChildsGames() {
    dir_->Write(QStringLiteral("prgst6.stt"), testing::StatsBytes(Games(4)));
    const profiles::Profile ala = Child(QStringLiteral("Ala"), 2);
    Child(QStringLiteral("Ola"), 0);
    auto window = Window(ala.folder);
    QCOMPARE(ChoiceTexts(window->ChildChoice()), QStringList({"Gość", "Ala", "Ola"}));
    QCOMPARE(window->ChildChoice()->currentText(), QStringLiteral("Ala"));
    QCOMPARE(window->Table()->model()->rowCount(), 2);
    QVERIFY(window->Games()->SuggestedFileName(QStringLiteral("pdf")).startsWith(QStringLiteral("wyniki-Ala-")));

    window->ChildChoice()->setCurrentIndex(0);
    QCOMPARE(window->ChildText(), QStringLiteral("Gość"));
    QCOMPARE(window->Table()->model()->rowCount(), 4);

    // No file yet: said kindly, nothing to export, no error.
    window->ChildChoice()->setCurrentIndex(2);
    QCOMPARE(window->Table()->model()->rowCount(), 0);
    QVERIFY(!window->Notice()->isHidden());
    QVERIFY(window->Notice()->text().contains(QStringLiteral("Ola nie ma jeszcze zapisanych gier")));
    QCOMPARE(window->Notice()->property("kind").toString(), QStringLiteral("info"));
    QVERIFY(!window->Games()->CsvButton()->isEnabled());
    QVERIFY(window->Games()->Chart()->isHidden());
    QVERIFY(box_->shown.empty());
  }

  void aChildIsAddedWithACheckedNameAndAPictureThenRenamed() {
    Child(QStringLiteral("Ola"), 0);
    auto window = Window(Base());
    ChildrenPanel* panel = window->Children();
    panel->NewButton()->click();
    QTest::keyClicks(panel->NameEdit(), QStringLiteral("ola"));
    QVERIFY(panel->NameProblem()->text().contains(QStringLiteral("już jest")));
    QVERIFY(!panel->AddButton()->isEnabled());
    panel->NameEdit()->setText(QStringLiteral("Ala/"));
    QVERIFY(!panel->NameProblem()->text().isEmpty());
    QVERIFY(!panel->AddButton()->isEnabled());
    panel->NameEdit()->setText(QStringLiteral("Łucja"));
    QVERIFY(panel->NameProblem()->isHidden());
    const int picture = RowOf(panel->Pictures(), QStringLiteral("szopa"));
    QVERIFY(picture > 0);
    panel->Pictures()->setCurrentRow(picture);
    panel->AddButton()->click();

    profiles::Profile added;
    QVERIFY(profiles::Find(Base(), QStringLiteral("Łucja"), &added));
    QCOMPARE(added.picture, QStringLiteral("szopa"));
    // The adult's next thought: that child's results.
    QCOMPARE(window->ChildChoice()->currentText(), QStringLiteral("Łucja"));
    QCOMPARE(window->Games()->SuggestedFileName(QStringLiteral("csv")).left(13), QStringLiteral("wyniki-Łucja-"));

    panel->NameEdit()->setText(QStringLiteral("Lucyna"));
    panel->SaveButton()->click();
    QVERIFY(!profiles::Find(Base(), QStringLiteral("Łucja"), nullptr));
    profiles::Profile renamed;
    QVERIFY(profiles::Find(Base(), QStringLiteral("Lucyna"), &renamed));
    QCOMPARE(renamed.picture, QStringLiteral("szopa"));
    QCOMPARE(ChoiceTexts(window->ChildChoice()), QStringList({"Gość", "Lucyna", "Ola"}));
    QVERIFY(box_->shown.empty());
  }

  void aFailedAddIsShownAndLeavesNothing() {
    // A file where the profiles' folder should be.
    dir_->Write(QStringLiteral("Profile"), "x");
    auto window = Window(Base());
    ChildrenPanel* panel = window->Children();
    panel->NameEdit()->setText(QStringLiteral("Ala"));
    panel->AddButton()->click();
    QCOMPARE(box_->shown.size(), size_t(1));
    QVERIFY(box_->shown[0].text.contains(QStringLiteral("Nie można utworzyć folderu")));
    QCOMPARE(window->ChildChoice()->count(), 1);
  }

  void removalSaysWhatGoesAndHappensOnlyAfterYes() {
    const profiles::Profile ola = Child(QStringLiteral("Ola"), 3);
    for (int second : {1, 2}) {
      QVERIFY(recorder::SaveWav(ola.folder + QStringLiteral("/Nagrania/") +
                                    recorder::RecordingFileName(QStringLiteral("szalik"),
                                                                QDateTime(QDate(2026, 6, 1), QTime(9, 0, second))),
                                testing::Tone(100, 8000), 16000));
    }
    auto window = Window(Base());
    ChildrenPanel* panel = window->Children();
    QVERIFY(panel->Select(ola.folder));
    QVERIFY(panel->RemoveButton()->isEnabled());

    panel->RemoveButton()->click();
    QCOMPARE(questions.size(), 1);
    for (const QString& part : {QStringLiteral("Usunąć profil Ola?"), QStringLiteral("3 gry"),
                                QStringLiteral("2 nagrania"), QStringLiteral("(4 pliki, "),
                                QDir::toNativeSeparators(ola.folder)})
      QVERIFY2(questions[0].contains(part), qPrintable(questions[0]));
    QVERIFY(QFileInfo(ola.folder).isDir());

    answer = true;
    panel->RemoveButton()->click();
    QVERIFY(!QFileInfo::exists(ola.folder));
    QCOMPARE(ChoiceTexts(window->ChildChoice()), QStringList({"Gość"}));
    QVERIFY(box_->shown.empty());
  }

  void theChildOfThisRunKeepsItsFolderButMayGetANewPicture() {
    const profiles::Profile ala = Child(QStringLiteral("Ala"), 1);
    auto window = Window(ala.folder);
    ChildrenPanel* panel = window->Children();
    QVERIFY(panel->Select(ala.folder));
    QVERIFY(!panel->RemoveButton()->isEnabled());
    QVERIFY(panel->NameEdit()->isReadOnly());
    QVERIFY(panel->Details()->text().contains(QStringLiteral("ćwiczy teraz")));
    answer = true;
    panel->RemoveButton()->click();
    QVERIFY(questions.isEmpty());
    QVERIFY(QFileInfo(ala.folder).isDir());

    panel->Pictures()->setCurrentRow(RowOf(panel->Pictures(), QStringLiteral("szynka")));
    panel->SaveButton()->click();
    profiles::Profile now;
    QVERIFY(profiles::Find(Base(), QStringLiteral("Ala"), &now));
    QCOMPARE(now.picture, QStringLiteral("szynka"));
    QCOMPARE(now.folder, ala.folder);
  }

  void namesFromFilesAreShownAsWrittenNeverAsMarkup() {
    // What a hostile profil.ini can hold: markup that would load a picture,
    // and a mark that turns the rest of the line around.
    const profiles::Profile ola = Child(QStringLiteral("Ola"), 0);
    dir_->Write(QStringLiteral("Profile/Ola/profil.ini"),
                "[Profil]\nImie=<b>Ola</b>\u202E<img src=\"x\">\nObrazek=szalik\n");
    const QString name = QStringLiteral("<b>Ola</b><img src=\"x\">");
    auto window = Window(ola.folder);
    QCOMPARE(ChoiceTexts(window->ChildChoice()), QStringList({"Gość", name}));
    QVERIFY(window->Children()->Select(ola.folder));
    QVERIFY(window->Notice()->text().contains(name));

    // The Słowa tab aside, every label and tooltip that quotes the name
    // shows its characters.
    int quoting = 0;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
      if (window->Voices() && window->Voices()->isAncestorOf(label)) continue;
      if (label->text().contains(name)) {
        ++quoting;
        QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->text()));
      }
      QVERIFY2(!label->toolTip().contains(QStringLiteral("<b>Ola")), qPrintable(label->toolTip()));
    }
    QVERIFY(quoting >= 3);  // the notice, the heading, the details
    QCOMPARE(window->Children()->ChildList()->item(0)->text(), name + QStringLiteral("\n(ćwiczy teraz)"));
  }

  void theWordsTabListsTheCatalogueAndMarksTheAdultsVoice() {
    QVERIFY(Voices().KeepModel(QStringLiteral("szalik"), testing::Tone(300, 8000), 16000));
    auto window = Window(Base());
    QListWidget* list = window->Voices()->WordList();
    QVERIFY(slowa_->Slownik().size() > 5);  // the word list as well as the built-in words
    QCOMPARE(size_t(list->count()), slowa_->Slownik().size());
    QVERIFY(list->item(RowOf(list, QStringLiteral("szalik")))->data(WordVoicesPanel::kModelRole).toBool());
    QVERIFY(!list->item(RowOf(list, QStringLiteral("szopa")))->data(WordVoicesPanel::kModelRole).toBool());

    window->Voices()->SoundChoice()->setCurrentIndex(3);  // CZ
    int shown = 0;
    for (int i = 0; i < list->count(); ++i) {
      if (list->item(i)->isHidden()) continue;
      ++shown;
      QVERIFY(list->item(i)->data(Qt::UserRole + 2).toUInt() & words::kSoundCz);
    }
    QVERIFY(shown > 0 && shown < list->count());
  }

  void givingTheWordBackToTheSynthesiserDeletesTheModel() {
    const QString key = QStringLiteral("szalik");
    QVERIFY(Voices().KeepModel(key, testing::Tone(300, 8000), 16000));
    auto window = Window(Base());
    WordVoicesPanel* voices = window->Voices();
    voices->WordList()->setCurrentRow(RowOf(voices->WordList(), key));
    voices->PlayButton()->click();
    QCOMPARE(sound_->played.last(), Voices().ModelPath(key));

    answer = true;
    voices->RestoreButton()->click();
    QCOMPARE(questions.size(), 1);
    QVERIFY(!QFileInfo::exists(Voices().ModelPath(key)));
    QCOMPARE(Voices().WordSoundPath(key), Voices().SynthesisedSoundPath(key));
    QVERIFY(!voices->WordList()->currentItem()->data(WordVoicesPanel::kModelRole).toBool());
    voices->PlayButton()->click();
    QCOMPARE(sound_->played.last(), Voices().SynthesisedSoundPath(key));
  }

  void deletingARecordingOfTheChosenChildAsksFirst() {
    const profiles::Profile ala = Child(QStringLiteral("Ala"), 0);
    QStringList paths;
    for (int second : {1, 2}) {
      paths << ala.folder + QStringLiteral("/Nagrania/") +
                   recorder::RecordingFileName(QStringLiteral("szopa"), QDateTime(QDate(2026, 6, 1), QTime(9, 0, second)));
      QVERIFY(recorder::SaveWav(paths.last(), testing::Tone(100, 8000), 16000));
    }
    auto window = Window(Base());
    WordVoicesPanel* voices = window->Voices();
    voices->WordList()->setCurrentRow(RowOf(voices->WordList(), QStringLiteral("szopa")));
    QCOMPARE(voices->Recordings()->List()->item(0)->text(), QStringLiteral("Brak nagrań tego słowa."));
    QVERIFY(window->ShowChild(ala.folder));
    QCOMPARE(voices->Recordings()->List()->count(), 2);
    QCOMPARE(voices->Recordings()->List()->item(0)->text(), QStringLiteral("2026-06-01 09:00:02"));

    voices->Recordings()->DeleteButton()->click();
    QCOMPARE(questions.size(), 1);
    QVERIFY(QFileInfo::exists(paths[1]));
    answer = true;
    voices->Recordings()->DeleteButton()->click();
    QVERIFY(!QFileInfo::exists(paths[1]));
    QVERIFY(QFileInfo::exists(paths[0]));
    QCOMPARE(voices->Recordings()->List()->count(), 1);
  }

  void withoutAMicrophoneNothingOffersToRecord() {
    testing::FakeMicrophone mic;
    mic.present = false;
    auto window = Window(Base());
    window->show();
    window->Tabs()->setCurrentWidget(window->Voices());
    QVERIFY(!window->Voices()->RecordButton()->isVisible());
    QVERIFY(window->Voices()->MicrophoneNote()->isVisible());
    QVERIFY(window->Voices()->MicrophoneNote()->text().contains(QStringLiteral("Nie znaleziono mikrofonu")));
    QVERIFY(window->Voices()->PlayButton()->isVisible());
  }

  void aModelThatCannotBePlayedIsSaidAndTheSynthesisedWordIsHeard() {
    const QString key = QStringLiteral("szalik");
    QVERIFY(Voices().KeepModel(key, testing::Tone(300, 8000), 16000));
    QFile model(Voices().ModelPath(key));
    QVERIFY(model.open(QIODevice::ReadWrite) && model.resize(model.size() / 2));
    model.close();
    auto window = Window(Base());
    WordVoicesPanel* voices = window->Voices();
    voices->WordList()->setCurrentRow(RowOf(voices->WordList(), key));
    QListWidgetItem* item = voices->WordList()->currentItem();
    QVERIFY(item->data(WordVoicesPanel::kUnusableRole).toBool());
    QVERIFY(item->text().contains(QStringLiteral("nagranie nieczytelne")));
    QVERIFY(voices->VoiceText()->text().contains(QStringLiteral("nieczytelne – słychać głos syntetyczny")));
    voices->PlayButton()->click();
    QCOMPARE(sound_->played.last(), Voices().SynthesisedSoundPath(key));
    // Giving it back to the synthesiser removes the broken file.
    answer = true;
    QVERIFY(voices->RestoreButton()->isEnabled());
    voices->RestoreButton()->click();
    QVERIFY(!QFileInfo::exists(Voices().ModelPath(key)));
    QVERIFY(!item->data(WordVoicesPanel::kUnusableRole).toBool());
  }

  void aRecordedModelIsHeardBackAndKeptOnlyWhenAsked() {
    testing::FakeMicrophone mic;
    mic.signal = testing::Tone(600, 8000) + testing::Silence(3000);
    const QString key = QStringLiteral("szopa");
    auto window = Window(Base());
    window->show();
    window->Tabs()->setCurrentWidget(window->Voices());
    WordVoicesPanel* voices = window->Voices();
    voices->WordList()->setCurrentRow(RowOf(voices->WordList(), key));
    QVERIFY(voices->MicrophoneNote()->isHidden());
    voices->RecordButton()->click();
    QVERIFY(mic.starts == 1 && !mic.open);
    // Heard back from a file of its own; the word's voice is unchanged.
    QCOMPARE(sound_->played.size(), 1);
    QVERIFY(sound_->played[0] != Voices().ModelPath(key));
    QVERIFY(!Voices().HasModel(key));
    QVERIFY(voices->KeepButton()->isVisible());

    voices->KeepButton()->click();
    QVERIFY(QFileInfo(Voices().ModelsFolder() + QStringLiteral("/szopa.wav")).size() > 44);
    QCOMPARE(QFileInfo(Voices().ModelsFolder()).fileName(), QStringLiteral("Glosy"));
    QVERIFY(voices->WordList()->currentItem()->data(WordVoicesPanel::kModelRole).toBool());
    QVERIFY(!voices->KeepButton()->isVisible());
  }

 private:
  testing::FakeClock clock_;
};

QTEST_MAIN(ResultsTabsTest)
#include "tst_resultstabs.moc"
