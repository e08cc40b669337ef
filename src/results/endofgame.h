#pragma once

class CStatRec;
class TfmKoniecGry;

namespace platform {
class Action;
class Form;
}  // namespace platform

// The one way a game of either kind ends: the store stops timing the game
// and appends its record, the summary shows it over the game's screen, and
// the child's choice there is carried out on the game's screen.
class EndOfGame {
 public:
  // What the screen does next.
  enum Choice {
    kNothing = 0,    // the summary was already open: this was a second way
                     // out of a game already ended
    kPlayAgain = 1,  // "start": a new game on the same screen
    kClose = 2,      // "stop", Escape, or the summary closed from outside
  };

  // The store may be absent (nothing is recorded).
  explicit EndOfGame(CStatRec* statRec) : statRec_(statRec) {}
  // The summary is made after the game screens; until it is set a game
  // ends straight to kClose.
  void SetSummary(TfmKoniecGry* summary) { summary_ = summary; }

  // Ends the game being played; `completed` when every task of it was done.
  Choice Finish(bool completed);
  // Only the first half of Finish: the record, without the summary (the
  // program is being ended from outside). False when the game was already
  // recorded, its summary being up.
  bool Record(bool completed);
  // Ends it and carries out the choice: `nowaGra` for another game, closing
  // `screen` for the way out.
  void Finish(bool completed, platform::Form& screen, const platform::Action& nowaGra);

 private:
  CStatRec* statRec_;
  TfmKoniecGry* summary_ = nullptr;
};
