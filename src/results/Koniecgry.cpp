#include "results/Koniecgry.h"

#include <QCursor>
#include <QLabel>

#include "platform/jpeg.h"
#include "results/_cstatrec.h"
#include "widgets/childcard.h"
#include "shell/palette.h"
#include "shell/_cblad.h"
#include "widgets/_cprzycisk.h"

namespace {
constexpr int kWidth = 600;
constexpr int kHeight = 450;
// Dark on the cream panel of every summary picture, whatever the desktop's
// theme; the lost-record line in a red that reads there too.
const QColor kKolorTekstu(20, 20, 20);
const QColor kKolorBledu(170, 20, 20);
}  // namespace

TfmKoniecGry::TfmKoniecGry(const session::ContentRoot& content, CStatRec* statRec, QWidget* owner)
    : content_(content), statRec_(statRec), owner_(owner) {
  SetBorderless();
  SetClientSize(kWidth, kHeight);
  SetRoundedShape(QRect(QPoint(5, 5), QPoint(599, 449)), 50, 50);
  try {
    statsB_ = platform::LoadJpegFile(content_.Path(QStringLiteral("Intf/Spec/mStatsB.xji")));
    statsM_ = platform::LoadJpegFile(content_.Path(QStringLiteral("Intf/Spec/mStatsM.xji")));
    statsG_ = platform::LoadJpegFile(content_.Path(QStringLiteral("Intf/Spec/mStatsG.xji")));
  } catch (const platform::Exception&) {
    throw CBlad(1);
  }
  tlo_.Resize(QSize(kWidth, kHeight));
  tlo_.Draw(0, 0, statsM_);

  A_OdNowa.OnExecute = [this](QObject*) { SetModalResult(kPlayAgain); };
  A_Stop.OnExecute = [this](QObject*) { SetModalResult(kClose); };
  start_ = std::make_unique<CPrzyciskP>(content_, this, QStringLiteral("start"), &WindowCanvas(), &tlo_, 235, 340, A_OdNowa);
  stop_ = std::make_unique<CPrzyciskP>(content_, this, QStringLiteral("stop"), &WindowCanvas(), &tlo_, 325, 340, A_Stop);

  MakeLabel(QStringLiteral("Czas gry:"), 88, 177, false);
  lab_Czas = MakeLabel(QStringLiteral("0"), 0, 177, true, 358);
  MakeLabel(QStringLiteral("Poprawne rozwiązania:"), 88, 206, false);
  lab_Dobre = MakeLabel(QStringLiteral("0"), 0, 206, true, 422);
  MakeLabel(QStringLiteral("Błędne rozwiązania:"), 88, 237, false);
  lab_Zle = MakeLabel(QStringLiteral("0"), 0, 237, true, 422);
  MakeLabel(QStringLiteral("Liczba podpowiedzi:"), 88, 270, false);
  lab_Pomoc = MakeLabel(QStringLiteral("0"), 0, 270, true, 422);
  // Unanswered tasks have no line; the row says, in the falling game, how
  // many of the wrong answers were right pictures let fall.
  napisBrak_ = MakeLabel(QStringLiteral("Nietrafione obrazki:"), 88, 302, false);
  napisBrak_->hide();
  lab_Brak = MakeLabel(QString(), 0, 302, true, 422);
  lab_Brak->hide();
  // In the unused row: the record of the game just played could not be saved.
  lab_Niezapisany = MakeLabel(QString::fromUtf8("Wynik nie został zapisany."), 88, 302, false);
  platform::SetTextColour(lab_Niezapisany, kKolorBledu);
  lab_Niezapisany->hide();
}

TfmKoniecGry::~TfmKoniecGry() = default;

QLabel* TfmKoniecGry::MakeLabel(const QString& text, int left, int top, bool value, int rightEdge) {
  auto* label = new QLabel(text, this);
  label->setFont(palette::PixelFont(palette::kHeavyFaces, 19, true));
  label->setAttribute(Qt::WA_TranslucentBackground);
  platform::SetTextColour(label, kKolorTekstu);
  // Presses on the text drag the window like presses on its body.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  if (value) {
    const int width = 160;
    label->setGeometry(rightEdge - width, top, width, 28);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
  } else {
    label->move(left, top);
    label->adjustSize();
  }
  return label;
}

void TfmKoniecGry::FormShow() {
  CenterOver(owner_);
  if (CStatRec* statRec = statRec_) {
    lab_Pomoc->setText(statRec->HintsText());
    lab_Czas->setText(statRec->DurationText());
    lab_Dobre->setText(statRec->CorrectText());
    lab_Zle->setText(statRec->WrongText());
    lab_Niezapisany->setVisible(statRec->RecordLost());
    // The row is the unsaved record's when both would want it.
    const bool nietrafione = statRec->Missed() > 0 && !statRec->RecordLost();
    lab_Brak->setText(QString::number(statRec->Missed()));
    napisBrak_->setVisible(nietrafione);
    lab_Brak->setVisible(nietrafione);
    switch (statRec->Rating()) {
      case 1: RysujTlo(statsB_); backgroundName_ = 'B'; break;
      case 2: RysujTlo(statsM_); backgroundName_ = 'M'; break;
      case 4: RysujTlo(statsG_); backgroundName_ = 'G'; break;
      default: break;
    }
  }
}

void TfmKoniecGry::UstawDziecko(const QString& imie, const QImage& obrazek) {
  imie_ = imie;
  obrazek_ = obrazek;
  RysujTlo(backgroundName_ == 'B' ? statsB_ : backgroundName_ == 'G' ? statsG_ : statsM_);
}

void TfmKoniecGry::RysujTlo(const QImage& obraz) {
  tlo_.Draw(0, 0, obraz);
  // On the grass left of the buttons, clear of the rounded corner.
  kartaDziecka_ = childcard::Draw(tlo_.Image(), QPoint(26, 376), 44, 200, imie_, obrazek_);
  Invalidate();
}

void TfmKoniecGry::FormPaint() { WindowCanvas().Draw(0, 0, tlo_.Image()); }

void TfmKoniecGry::FormKeyPress(int key) {
  if (key == 27) A_Stop.Execute(this);
}

void TfmKoniecGry::FormMouseDown(platform::MouseButton button, int, int, int) {
  if (button == platform::MouseButton::Left) BeginWindowDrag(QCursor::pos());
}
