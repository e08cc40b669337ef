#include "results/endofgame.h"

#include "results/Koniecgry.h"
#include "results/_cstatrec.h"
#include "platform/form.h"
#include "platform/timer.h"

bool EndOfGame::Record(bool completed) {
  // A timer of the game or a second key may end it again while its summary
  // is up: one record and one summary per game.
  if (summary_ && summary_->isVisible()) return false;
  if (statRec_) {
    statRec_->StopGame();
    statRec_->WriteRecord(completed);
  }
  return true;
}

EndOfGame::Choice EndOfGame::Finish(bool completed) {
  if (!Record(completed)) return kNothing;
  if (!summary_) return kClose;
  switch (summary_->ShowModal()) {
    case TfmKoniecGry::kPlayAgain: return kPlayAgain;
    case TfmKoniecGry::kClose: return kClose;
    default: return kNothing;
  }
}

void EndOfGame::Finish(bool completed, platform::Form& screen, const platform::Action& nowaGra) {
  switch (Finish(completed)) {
    case kPlayAgain: nowaGra.Execute(&screen); break;
    case kClose: screen.Close(); break;
    case kNothing: break;
  }
}
