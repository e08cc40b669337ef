#pragma once

#include <QImage>
#include <QPointer>
#include <memory>

#include "platform/canvas.h"
#include "platform/form.h"
#include "session/contentroot.h"
#include "platform/timer.h"

class QLabel;
class CStatRec;
class CPrzyciskP;

// The end-of-game summary: the time, the correct and wrong answers and the
// hints of the game just saved, on one of three pictures chosen by the
// rating. Its modal result tells the game screen what to do next.
class TfmKoniecGry : public platform::Form {
  Q_OBJECT
 public:
  static constexpr int kPlayAgain = 1;  // "start"
  static constexpr int kClose = 2;      // "stop" or Escape

  // Shows the game just saved in `statRec` (none: the counts stay as they
  // are), centred over `owner` (the main menu). Raises CBlad(1) when its
  // artwork cannot be loaded.
  TfmKoniecGry(const session::ContentRoot& content, CStatRec* statRec, QWidget* owner = nullptr);
  ~TfmKoniecGry() override;

  platform::Action A_Stop;
  platform::Action A_OdNowa;
  platform::Action A_EkranPaint;

  QLabel* lab_Czas = nullptr;
  QLabel* lab_Dobre = nullptr;
  QLabel* lab_Zle = nullptr;
  QLabel* lab_Pomoc = nullptr;
  QLabel* lab_Brak = nullptr;
  QLabel* napisBrak_ = nullptr;  // its caption
  // "Wynik nie został zapisany.", shown when the game's record was lost.
  QLabel* lab_Niezapisany = nullptr;

  // The child practising this run, named on the summary; empty for a guest.
  void UstawDziecko(const QString& imie, const QImage& obrazek);
  QRect KartaDziecka() const { return kartaDziecka_; }

  // Which of the three pictures is the background now: 'B', 'M' or 'G'.
  char BackgroundName() const { return backgroundName_; }
  CPrzyciskP* StartButton() const { return start_.get(); }
  CPrzyciskP* StopButton() const { return stop_.get(); }

 protected:
  void FormShow() override;
  void FormPaint() override;
  void FormKeyPress(int key) override;
  void FormMouseDown(platform::MouseButton button, int shift, int x, int y) override;

 private:
  session::ContentRoot content_;
  CStatRec* statRec_;
  QPointer<QWidget> owner_;
  QLabel* MakeLabel(const QString& text, int left, int top, bool value, int rightEdge = 0);

  QImage statsB_;
  QImage statsM_;
  QImage statsG_;
  platform::Canvas tlo_;
  char backgroundName_ = 'M';
  QString imie_;
  QImage obrazek_;
  QRect kartaDziecka_;
  void RysujTlo(const QImage& obraz);
  std::unique_ptr<CPrzyciskP> start_;
  std::unique_ptr<CPrzyciskP> stop_;
};
