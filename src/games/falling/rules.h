#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <vector>

#include "words/_custgry.h"
#include "words/spaczka.h"

// The falling game without a screen: pictures fall through the play area,
// the child catches those whose word holds a chosen sound at a chosen
// place, and the others fall to the ground. Time is what the caller says it
// is: the screen advances it by its frames, a test by whatever it likes.
namespace falling {

// Gives the next value of a generator of non-negative 31-bit numbers.
using Generator = std::function<qint32()>;

// A word that may fall, and whether catching it is right.
struct Word {
  QString key;
  bool right = false;

  bool operator==(const Word&) const = default;
};

// 1 -> 5 right pictures, 2 -> 10, 3 -> 15; any other level none.
int RightForLevel(int poziom);
// How long a picture takes from coming in at the top to the ground, in ms,
// for a level: 8000, 6000, 4000 on a screen 768 high. The play area grows
// with the screen, so the time is proportional to the screen's height (6250,
// 4688, 3125 at 600): a picture crosses the same share of the area a second.
// 0 for another level.
int FallMsForLevel(int poziom, double screenHeight);

// The words of a game, drawn from the catalogue's words: right ones (a chosen
// hushing sound and a chosen position in their bits) and wrong ones (every
// other word with a sound bit: the hissing partners, hushing sounds or
// places not chosen), in falling order. As many right words as the level
// asks and as many wrong ones, the two kinds shuffled together; each kind at
// random without repeats, and a kind that runs out is drawn again from its
// start. No right word gives no words; no wrong word, right ones only.
std::vector<Word> Choose(const std::vector<SPaczka>& catalogue, const CUstGry& settings, const Generator& next);
// How many right words the catalogue holds for the settings.
int RightWords(const std::vector<SPaczka>& catalogue, const CUstGry& settings);

// One picture in the air.
struct Picture {
  int id = 0;        // in order of appearance, from 1
  Word word;
  QRectF place;      // in the play area's coordinates; comes in from above
  bool marked = false;  // shown as right while the hint lasts
  qint64 appearedMs = 0;  // on the clock of the fall, which stops in pauses
};

// What happened during an Advance or at a catch.
struct Event {
  enum Kind {
    Appeared,  // a picture came in at the top: its word is to be spoken
    Landed,    // a wrong picture reached the ground and vanished
    Missed,    // a right picture reached the ground: counted wrong, said as missed
    CaughtRight,
    CaughtWrong,
    Over,      // the last right picture has fallen, or the words ran out
               // with none in the air: the game is over
  };
  Kind kind = Appeared;
  int id = 0;
  Word word;

  bool operator==(const Event&) const = default;
};

// Why the fall is paused; the fall runs only with none of them.
enum Pause : unsigned {
  kNotActive = 1,   // the window is not the active one, or is minimised
  kSound = 2,       // a sound that must be heard is playing
  kHint = 4,        // "Pomoc": set by Hint(), runs out by itself
};

class Rules {
 public:
  struct Setup {
    QSizeF area;         // the play area
    double picture = 0;  // the side of a (square) picture
    int fallMs = 0;      // top to ground
    int rightWanted = 0; // the game ends when this many right pictures have fallen
    int maxInAir = 3;
    int gapMs = 900;     // at least this long between two appearances; about
                         // fallMs / maxInAir gives an even stream
  };
  static constexpr int kHintMs = 2000;

  Rules() = default;
  Rules(std::vector<Word> words, Setup setup, Generator next);

  // Moves time on by `ms`, unless paused; a hint's pause takes its share of
  // the time first. New pictures appear just above the top, at a random
  // whole x where they overlap none in the air (they all fall at one speed,
  // so they never meet later), while fewer than maxInAir fall and words
  // remain; a picture whose top reaches the bottom has landed. The events
  // come in time order, and the same whatever steps the time comes in.
  std::vector<Event> Advance(int ms);
  // A press at `p`: the topmost picture under it is caught, paused or not.
  std::vector<Event> Catch(QPointF p);
  // "Pomoc": the right pictures in the air are marked, and the fall pauses
  // for kHintMs of time while nothing else pauses it; the marks go with the
  // pause. Counted by the caller.
  void Hint();
  // For kNotActive and kSound; the hint's pause is Hint()'s own.
  void SetPaused(Pause why, bool on);
  bool Paused() const { return paused_ != 0; }

  const std::vector<Picture>& InAir() const { return inAir_; }
  bool IsOver() const { return over_; }
  int Correct() const { return correct_; }
  int Wrong() const { return wrong_; }  // caught wrong ones and missed right ones
  int Missed() const { return missed_; }
  int RightFallen() const { return rightFallen_; }

 private:
  // What happens at the present moment of the fall: landings, then an
  // appearance.
  void Step(std::vector<Event>& events);
  // The next moment after now at which something may happen.
  qint64 NextChange() const;
  bool Blocks(const Picture& p) const { return now_ - p.appearedMs < enterMs_; }
  bool FreePlace(int* x);
  void Place();
  void Fallen(const Picture& p, bool caught, std::vector<Event>& events);
  void CheckOver(std::vector<Event>& events);
  void EndHint();

  std::vector<Word> words_;
  size_t nextWord_ = 0;
  Setup setup_;
  Generator next_;
  std::vector<Picture> inAir_;
  unsigned paused_ = 0;
  int hintLeftMs_ = 0;
  qint64 now_ = 0;
  qint64 lastAppearedMs_ = 0;
  int enterMs_ = 0;  // until a new picture is wholly in, it blocks its row
  int lastId_ = 0;
  int correct_ = 0, wrong_ = 0, missed_ = 0, rightFallen_ = 0;
  bool over_ = false;
};

}  // namespace falling
