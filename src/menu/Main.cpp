#include "menu/Main.h"

#include "menu/_cnagrywanie.h"
#include "platform/jpeg.h"
#include "platform/screenwindow.h"
#include "platform/system.h"
#include "screens/Komunikat.h"
#include "widgets/childcard.h"
#include "shell/_cblad.h"
#include "words/_custgry.h"
#include "shell/_specfunc.h"
#include "widgets/_ccheckbut.h"
#include "widgets/_cobiektgraficzny.h"
#include "widgets/_cprzycisk.h"
#include "catalogue/_cslowa.h"
#include "words/wordbits.h"

namespace {
// The menu's rows, top to bottom.
constexpr const auto& kSoundBits = words::kSounds;
constexpr const auto& kPositionBits = words::kPositions;
}  // namespace

CUstGry* TfmMain::SettingsForTab(int tab) const { return session_.settings.ForTab(tab); }

int TfmMain::TabAt(int mode, int x) {
  if (mode == 1) {
    if (x >= 6 && x <= 250) return 1;
    if (x >= 251 && x <= 490) return 2;
    return 0;
  }
  if (x >= 1 && x <= 315) return 1;
  if (x >= 316 && x <= 625) return 2;
  return 0;
}

TfmMain::TfmMain(session::Session& session, CSlowa* slowa, const Ekrany& ekrany)
    : session_(session), slowa_(slowa), ekrany_(ekrany) {
  BindActions();
  try {
    Build();
  } catch (const platform::Exception&) {
    // Whatever was made goes with the members; the caller gets one error.
    throw CBlad(1);
  }
}

TfmMain::~TfmMain() { session_.settings.Write(); }

void TfmMain::BindActions() {
  A_Start.OnExecute = [this](QObject*) { A_StartExecute(); };
  A_Stop.OnExecute = [this](QObject*) { A_StopExecute(); };
  A_Oprogramie.OnExecute = [this](QObject*) { A_OprogramieExecute(); };
  A_Wyniki.OnExecute = [this](QObject*) {
    if (ekrany_.PokazWyniki) ekrany_.PokazWyniki();
  };
  A_Zakladka1.OnExecute = [this](QObject*) { DrawPage(1); };
  A_Zakladka2.OnExecute = [this](QObject*) { DrawPage(2); };
  A_Zakladka3.OnExecute = [this](QObject*) { DrawPage(3); };
  A_Zakladka4.OnExecute = [this](QObject*) { DrawPage(4); };
  A_SZ.OnExecute = [this](QObject*) { ToggleSound(0, words::kSoundSz); };
  A_ZRZ.OnExecute = [this](QObject*) { ToggleSound(1, words::kSoundZRz); };
  A_CZ.OnExecute = [this](QObject*) { ToggleSound(2, words::kSoundCz); };
  A_DZZ.OnExecute = [this](QObject*) { ToggleSound(3, words::kSoundDz); };
  A_Naglos.OnExecute = [this](QObject*) { TogglePosition(0, words::kWordInitial); };
  A_Srodglos.OnExecute = [this](QObject*) { TogglePosition(1, words::kWordMedial); };
  A_Wyglos.OnExecute = [this](QObject*) { TogglePosition(2, words::kWordFinal); };
  A_Malo.OnExecute = [this](QObject*) { ChooseAmount(1); };
  A_Srednio.OnExecute = [this](QObject*) { ChooseAmount(2); };
  A_Duzo.OnExecute = [this](QObject*) { ChooseAmount(3); };
  MPStop.OnExecute = [this](QObject*) { MPStopExecute(); };
}

void TfmMain::Build() {
  const int W = session_.geometry.screenWidth;
  const int H = session_.geometry.screenHeight;

  captions_[0] = std::make_unique<CObiektGraficzny>(session_.content, QStringLiteral("nap_ilzadan"));
  captions_[2] = std::make_unique<CObiektGraficzny>(session_.content, QStringLiteral("nap_pozycja"));
  captions_[1] = std::make_unique<CObiektGraficzny>(session_.content, QStringLiteral("nap_gloski"));

  const QString size = session_.geometry.ArtSuffix();
  const QImage background = platform::LoadJpegFile(session_.content.Path(QStringLiteral("Intf/Spec/mT_m0") + size + QStringLiteral(".xji")));
  tlo_.Resize(QSize(W, H));
  tlo_.Draw(0, 0, background);
  page1_ = platform::LoadBmpFile(session_.content.Path(QStringLiteral("Intf/Spec/mT_m1") + size + QStringLiteral(".xbi")));
  page2_ = platform::LoadBmpFile(session_.content.Path(QStringLiteral("Intf/Spec/mT_m2") + size + QStringLiteral(".xbi")));
  page0_ = platform::LoadBmpFile(session_.content.Path(QStringLiteral("Intf/Spec/mT_m0strip") + size + QStringLiteral(".xbi")));
  tab3On_ = platform::LoadBmpFile(session_.content.Path(QStringLiteral("Intf/Spec/mT_z3on") + size + QStringLiteral(".xbi")));
  tab3Off_ = platform::LoadBmpFile(session_.content.Path(QStringLiteral("Intf/Spec/mT_z3off") + size + QStringLiteral(".xbi")));
  tab4On_ = platform::LoadBmpFile(session_.content.Path(QStringLiteral("Intf/Spec/mT_z4on") + size + QStringLiteral(".xbi")));
  tab4Off_ = platform::LoadBmpFile(session_.content.Path(QStringLiteral("Intf/Spec/mT_z4off") + size + QStringLiteral(".xbi")));

  g_Menu = new platform::ImageControl(this);
  const QPoint strip = session_.geometry.screenMode == 1 ? QPoint(152, 422) : session_.geometry.screenMode == 2 ? QPoint(192, 541) : QPoint(195, 541);
  g_Menu->setGeometry(QRect(strip, page1_.size()));
  g_Menu->OnMouseDown = [this](platform::MouseButton b, int shift, int x, int y) { g_MenuMouseDown(b, shift, x, y); };
  g_Menu->setVisible(true);
  g_Menu3 = new platform::ImageControl(this);
  g_Menu3->setGeometry(QRect(strip + QPoint(page1_.width() + 4, 0), tab3Off_.size()));
  g_Menu3->OnMouseDown = [this](platform::MouseButton, int, int, int) { SwitchTab(3); };
  g_Menu3->setVisible(true);
  g_Menu4 = new platform::ImageControl(this);
  g_Menu4->setGeometry(QRect(strip - QPoint(tab4Off_.width() + 4, 0), tab4Off_.size()));
  g_Menu4->OnMouseDown = [this](platform::MouseButton, int, int, int) { SwitchTab(4); };
  g_Menu4->setVisible(true);

  for (int i = 0; i < 3; ++i) captions_[size_t(i)]->SetPosition(W / 2 - captions_[size_t(i)]->Width() / 2, (H / 6) * (i + 1));

  if (session_.geometry.screenMode == 3) {
    // A large display may show the big screens full-screen instead (F11);
    // the choice is kept for the next start.
    session_.view.Offer(QColor(FullScreenFill()), [this](bool on) { session_.settings.WriteFullScreenChoice(on); });
    session_.view.Set(session_.settings.FullScreenChosen());
  }
  platform::SetUpScreenWindow(*this, {.size = QSize(W, H),
                                      .bordered = session_.geometry.screenMode == 3,
                                      .caption = QString::fromUtf16(kProgramTitle),
                                      .systemMenu = true});

  platform::Canvas* canvas = &WindowCanvas();
  about_ = std::make_unique<CPrzyciskP>(session_.content, this, QStringLiteral("oprogramie"), canvas, &tlo_, W / 2 - 155, H - H / 7, A_Oprogramie);
  exit_ = std::make_unique<CPrzyciskP>(session_.content, this, QStringLiteral("wyjdz"), canvas, &tlo_, W / 2 - 55, H - H / 7, A_Stop);
  start_ = std::make_unique<CPrzyciskP>(session_.content, this, QStringLiteral("start"), canvas, &tlo_, W / 2 + 35, H - H / 7, A_Start);
  // For the adult, on the grass in the bottom right corner: well away from
  // Start, and over no picture of the menu in either size.
  results_ = std::make_unique<CPrzyciskP>(session_.content, this, QStringLiteral("wyniki"), canvas, &tlo_, W - 70 - W / 32, H - H / 7,
                                          A_Wyniki);

  const int left = (W / 33) * 9;
  const platform::Action* amountActions[3] = {&A_Malo, &A_Srednio, &A_Duzo};
  const char* amountNames[3] = {"malo", "srednio", "duzo"};
  const int amountX[3] = {left, left + W / 6, left + W / 3};
  for (int i = 0; i < 3; ++i) {
    amounts_[size_t(i)] = std::make_unique<CCheckBut>(session_.content, this, QString::fromLatin1(amountNames[i]), canvas, amountX[i],
                                                      H / 4, *amountActions[i]);
  }
  const platform::Action* soundActions[4] = {&A_SZ, &A_ZRZ, &A_CZ, &A_DZZ};
  const char* soundNames[4] = {"SZ", "ZRZ", "CZ", "DZZ"};
  const int soundX[4] = {left, left + W / 8, left + W / 4, left + (W / 8) * 3};
  for (int i = 0; i < 4; ++i) {
    sounds_[size_t(i)] = std::make_unique<CCheckBut>(session_.content, this, QString::fromLatin1(soundNames[i]), canvas, soundX[i],
                                                     (H / 12) * 5, *soundActions[i]);
  }
  // In their places on the filling game's page, with the same actions.
  const char* pairNames[4] = {"SZ_S", "ZRZ_Z", "CZ_C", "DZZ_DZ"};
  for (int i = 0; i < 4; ++i) {
    pairs_[size_t(i)] = std::make_unique<CCheckBut>(session_.content, this, QString::fromLatin1(pairNames[i]), canvas, soundX[i],
                                                    (H / 12) * 5, *soundActions[i]);
    pairs_[size_t(i)]->Hide();
  }
  const platform::Action* positionActions[3] = {&A_Naglos, &A_Srodglos, &A_Wyglos};
  const char* positionNames[3] = {"naglos", "srodglos", "wyglos"};
  for (int i = 0; i < 3; ++i) {
    positions_[size_t(i)] = std::make_unique<CCheckBut>(session_.content, this, QString::fromLatin1(positionNames[i]), canvas,
                                                        amountX[i], (H / 12) * 7, *positionActions[i]);
  }

  recorder_ = std::make_unique<CNagrywanie>([this] { MPStop.Execute(this); }, [this] { MPStop.Execute(this); });
}

void TfmMain::UstawDziecko(const QString& imie, const QImage& obrazek) {
  // Part of the background, which the buttons restore from: on the grass
  // left of the bottom buttons, where nothing of the menu lies at either size.
  const int top = session_.geometry.screenHeight - session_.geometry.screenHeight / 7;
  kartaDziecka_ = childcard::Draw(tlo_.Image(), QPoint(session_.geometry.screenWidth / 64, top), session_.geometry.screenHeight * 9 / 100,
                                  session_.geometry.screenWidth / 2 - 155 - session_.geometry.screenWidth / 64 - session_.geometry.screenWidth / 80, imie, obrazek);
  Invalidate();
}

void TfmMain::FormShow() {
  if (ekrany_.fmSplash) {
    session_.services.sleep(2000);
    if (ekrany_.UsunSplash) ekrany_.UsunSplash();
  }
}

void TfmMain::FormPaint() {
  WindowCanvas().Draw(0, 0, tlo_.Image());
  if (session_.settings.zakladka == 1) {
    A_Zakladka1.Execute(this);
  } else if (session_.settings.zakladka == 2) {
    A_Zakladka2.Execute(this);
  } else if (session_.settings.zakladka == 3) {
    A_Zakladka3.Execute(this);
  } else if (session_.settings.zakladka == 4) {
    A_Zakladka4.Execute(this);
  }
  recorder_->Zamknij();
}

void TfmMain::FormKeyPress(int key) {
  if (key == 27) A_Stop.Execute(this);
}

void TfmMain::DrawPage(int tab) {
  const CUstGry& settings = *SettingsForTab(tab);
  platform::Canvas& canvas = WindowCanvas();
  canvas.Draw(g_Menu->Left(), g_Menu->Top(), tab == 1 ? page1_ : tab == 2 ? page2_ : page0_);
  canvas.Draw(g_Menu3->Left(), g_Menu3->Top(), tab == 3 ? tab3On_ : tab3Off_);
  canvas.Draw(g_Menu4->Left(), g_Menu4->Top(), tab == 4 ? tab4On_ : tab4Off_);
  for (const auto& caption : captions_) caption->Paint(canvas);
  start_->setVisible(true);
  for (int i = 0; i < 3; ++i) {
    amounts_[size_t(i)]->Show();
    amounts_[size_t(i)]->SetState(settings.IsLevel(i + 1));
  }
  for (int i = 0; i < 4; ++i) {
    // The pairs' pictures are wider: whichever was shown before goes first.
    CCheckBut& sound = *sounds_[size_t(i)];
    CCheckBut& pair = *pairs_[size_t(i)];
    const QRect row(sound.X(), sound.Y(), pair.Input()->width(), pair.Input()->height());
    canvas.CopyRect(row, tlo_, row);
    (tab == 3 ? sound : pair).Hide();
    CCheckBut& button = tab == 3 ? pair : sound;
    button.Show();
    button.SetState(settings.HasPhoneme(kSoundBits[i]));
  }
  for (int i = 0; i < 3; ++i) {
    positions_[size_t(i)]->Show();
    positions_[size_t(i)]->SetState(settings.HasPosition(kPositionBits[i]));
  }
}

void TfmMain::g_MenuMouseDown(platform::MouseButton, int, int x, int) {
  SwitchTab(TabAt(session_.geometry.screenMode, x));
}

void TfmMain::SwitchTab(int tab) {
  poprzedniaZakladka_ = session_.settings.zakladka;
  if (tab != 0) session_.settings.zakladka = qint16(tab);
  if (session_.settings.zakladka == poprzedniaZakladka_) return;
  if (session_.settings.zakladka == 1) A_Zakladka1.Execute(this);
  if (session_.settings.zakladka == 2) A_Zakladka2.Execute(this);
  if (session_.settings.zakladka == 3) A_Zakladka3.Execute(this);
  if (session_.settings.zakladka == 4) A_Zakladka4.Execute(this);
}

CCheckBut& TfmMain::SoundButtonOfTab(int index) const {
  return session_.settings.zakladka == 3 ? *pairs_[size_t(index)] : *sounds_[size_t(index)];
}

void TfmMain::ToggleSound(int index, int bit) {
  CUstGry* settings = SettingsForTab(session_.settings.zakladka);
  if (!settings) return;
  SoundButtonOfTab(index).Toggle();
  if (session_.settings.zakladka == 3) {
    settings->TogglePhonemePair(bit);
  } else {
    settings->TogglePhoneme(bit);
  }
}

void TfmMain::TogglePosition(int index, int bit) {
  positions_[size_t(index)]->Toggle();
  if (CUstGry* settings = SettingsForTab(session_.settings.zakladka)) settings->TogglePosition(bit);
}

void TfmMain::ChooseAmount(int level) {
  for (int i = 0; i < 3; ++i) amounts_[size_t(i)]->SetState(i + 1 == level);
  if (CUstGry* settings = SettingsForTab(session_.settings.zakladka)) settings->SetLevel(level);
}

void TfmMain::StartGame(const games::Game& game, CUstGry& settings, platform::Form* screen) {
  if (!slowa_ || !screen) return;
  slowa_->Wybierz(settings);
  const int needed = game.wordsPerLevel * settings.poziom;
  // The labelling game has nothing to show without a word, whatever amount
  // the configuration file holds; Memory simply deals an empty board.
  const bool noTask = needed < 1 && game.needsAWord;
  const int available = game.playable ? game.playable(slowa_->Dostepne, settings) : int(slowa_->Dostepne.size());
  if (available < needed || noTask) {
    if (TfmKomunikat* komunikat = ekrany_.fmKomunikat) {
      komunikat->SetMessage(3);
      komunikat->ShowModal();
    }
    return;
  }
  recorder_->ZamknijIWylacz();
  screen->ShowModal();
  recorder_->Wlacz();
}

void TfmMain::A_StartExecute() {
  // The game of the tab, when the tab has one with a screen.
  const games::Game* game = games::ByTab(session_.settings.zakladka);
  CUstGry* settings = SettingsForTab(session_.settings.zakladka);
  const auto screen = game ? ekrany_.gry.find(game->number) : ekrany_.gry.end();
  if (game && settings && screen != ekrany_.gry.end()) StartGame(*game, *settings, screen->second);
  recorder_->Zamknij();
}

void TfmMain::A_StopExecute() {
  hide();
  setWindowState(Qt::WindowNoState);
  if (ekrany_.fmReklama) ekrany_.fmReklama->ShowModal();
  Close();
}

void TfmMain::A_OprogramieExecute() {
  if (ekrany_.fmOProgramie) ekrany_.fmOProgramie->ShowModal();
}

void TfmMain::MPStopExecute() {
  recorder_->Zatrzymaj();
  recorder_->Zamknij();
  about_->FActive = true;
  exit_->FActive = true;
}
