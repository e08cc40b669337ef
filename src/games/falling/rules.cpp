#include "games/falling/rules.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "words/wordbits.h"

namespace falling {

namespace {

// Values come from a generator of non-negative numbers; the cast keeps a
// stray negative one from giving a negative index.
int RandomBelow(qint32 value, int n) { return n > 0 ? int(quint32(value) % quint32(n)) : 0; }

quint16 Gloski(const CUstGry& settings) { return quint16(settings.gloski) & words::kSoundMask; }
quint16 Pozycja(const CUstGry& settings) { return quint16(settings.pozycja) & words::kPositionMask; }

bool IsRight(const SPaczka& word, quint16 gloski, quint16 pozycja) {
  return (word.Flagi & gloski) && (word.Flagi & pozycja);
}

// One kind of word, drawn at random without repeats and from the start again
// once every word has been drawn: a catalogue may hold only a few right words.
class Pool {
 public:
  void Add(const QString& key) {
    keys_.push_back(key);
    drawn_.push_back(false);
    ++left_;
  }
  bool Empty() const { return keys_.empty(); }
  // Probes forward from a random start to the next word not drawn yet, as
  // the catalogue's own draw does.
  QString Draw(qint32 value) {
    if (left_ == 0) {
      std::fill(drawn_.begin(), drawn_.end(), false);
      left_ = int(keys_.size());
    }
    size_t k = size_t(RandomBelow(value, int(keys_.size())));
    while (drawn_[k]) k = (k + 1) % keys_.size();
    drawn_[k] = true;
    --left_;
    return keys_[k];
  }

 private:
  std::vector<QString> keys_;
  std::vector<bool> drawn_;
  int left_ = 0;
};

}  // namespace

int RightForLevel(int poziom) { return poziom >= 1 && poziom <= 3 ? 5 * poziom : 0; }

int FallMsForLevel(int poziom, double screenHeight) {
  if (RightForLevel(poziom) == 0 || screenHeight <= 0) return 0;
  return qRound((10000 - 2000 * poziom) * screenHeight / 768.0);
}

int RightWords(const std::vector<SPaczka>& catalogue, const CUstGry& settings) {
  return int(std::count_if(catalogue.begin(), catalogue.end(), [&](const SPaczka& word) {
    return IsRight(word, Gloski(settings), Pozycja(settings));
  }));
}

std::vector<Word> Choose(const std::vector<SPaczka>& catalogue, const CUstGry& settings, const Generator& next) {
  Pool right, wrong;
  for (const SPaczka& word : catalogue) {
    if (IsRight(word, Gloski(settings), Pozycja(settings))) {
      right.Add(word.Nazwa);
    } else if (word.Flagi & words::kAnySoundMask) {
      wrong.Add(word.Nazwa);
    }
  }
  int rightLeft = right.Empty() ? 0 : RightForLevel(settings.poziom);
  int wrongLeft = wrong.Empty() ? 0 : rightLeft;
  std::vector<Word> chosen;
  while (rightLeft + wrongLeft > 0) {
    // A fair shuffle of the two kinds: the next is right as often as right
    // ones are left among all that are.
    const bool isRight = wrongLeft == 0 || (rightLeft > 0 && RandomBelow(next(), rightLeft + wrongLeft) < rightLeft);
    (isRight ? rightLeft : wrongLeft)--;
    chosen.push_back(Word{(isRight ? right : wrong).Draw(next()), isRight});
  }
  return chosen;
}

// --- Rules -------------------------------------------------------------------

Rules::Rules(std::vector<Word> words, Setup setup, Generator next)
    : words_(std::move(words)), setup_(setup), next_(std::move(next)) {
  setup_.fallMs = std::max(1, setup_.fallMs);
  setup_.picture = std::max(0.0, setup_.picture);
  const double path = setup_.area.height() + setup_.picture;
  enterMs_ = path > 0 ? int(std::ceil(setup_.fallMs * setup_.picture / path)) : 0;
}

std::vector<Event> Rules::Advance(int ms) {
  std::vector<Event> events;
  if (over_ || ms < 0 || (paused_ & ~unsigned(kHint))) return events;
  if (paused_ & kHint) {
    const int used = std::min(ms, hintLeftMs_);
    hintLeftMs_ -= used;
    ms -= used;
    if (hintLeftMs_ > 0) return events;
    EndHint();
  }
  // From one moment at which something may happen to the next: nothing
  // changes in between, so the steps the caller takes do not matter.
  const qint64 until = now_ + ms;
  Step(events);
  for (qint64 t = NextChange(); !over_ && t <= until; t = NextChange()) {
    now_ = t;
    Step(events);
  }
  if (!over_) now_ = until;
  Place();
  return events;
}

void Rules::Step(std::vector<Event>& events) {
  // They fall together, so the earliest in is the first down.
  while (!over_ && !inAir_.empty() && now_ - inAir_.front().appearedMs >= setup_.fallMs) {
    const Picture landed = inAir_.front();
    inAir_.erase(inAir_.begin());
    Fallen(landed, false, events);
  }
  CheckOver(events);
  if (over_ || nextWord_ >= words_.size() || int(inAir_.size()) >= setup_.maxInAir) return;
  if (lastId_ > 0 && now_ - lastAppearedMs_ < setup_.gapMs) return;
  int x = 0;
  if (!FreePlace(&x)) return;
  Picture picture;
  picture.id = ++lastId_;
  picture.word = words_[nextWord_++];
  picture.place = QRectF(x, -setup_.picture, setup_.picture, setup_.picture);
  picture.appearedMs = now_;
  lastAppearedMs_ = now_;
  inAir_.push_back(picture);
  events.push_back(Event{Event::Appeared, picture.id, picture.word});
}

qint64 Rules::NextChange() const {
  qint64 next = std::numeric_limits<qint64>::max();
  const auto consider = [&](qint64 t) {
    if (t > now_) next = std::min(next, t);
  };
  for (const Picture& p : inAir_) {
    consider(p.appearedMs + setup_.fallMs);
    consider(p.appearedMs + enterMs_);
  }
  if (nextWord_ < words_.size() && lastId_ > 0) consider(lastAppearedMs_ + setup_.gapMs);
  return next;
}

bool Rules::FreePlace(int* x) {
  // Whole places from the left edge to the last one that keeps the picture
  // inside; two pictures apart by a side or more do not overlap.
  const int last = std::max(0, int(std::floor(setup_.area.width() - setup_.picture)));
  const int side = int(std::ceil(setup_.picture));
  std::vector<int> blocking;
  for (const Picture& p : inAir_) {
    if (Blocks(p)) blocking.push_back(int(p.place.x()));
  }
  const auto free = [&](int at) {
    return std::none_of(blocking.begin(), blocking.end(), [&](int b) { return std::abs(at - b) < side; });
  };
  int count = 0;
  for (int at = 0; at <= last; ++at) count += free(at);
  if (count == 0) return false;
  int k = RandomBelow(next_(), count);
  for (int at = 0; at <= last; ++at) {
    if (free(at) && k-- == 0) {
      *x = at;
      break;
    }
  }
  return true;
}

void Rules::Place() {
  const double path = setup_.area.height() + setup_.picture;
  for (Picture& p : inAir_) {
    p.place.moveTop(-setup_.picture + double(now_ - p.appearedMs) * path / setup_.fallMs);
  }
}

void Rules::Fallen(const Picture& p, bool caught, std::vector<Event>& events) {
  Event::Kind kind = Event::Landed;
  if (p.word.right) {
    ++rightFallen_;
    ++(caught ? correct_ : wrong_);
    if (!caught) ++missed_;
    kind = caught ? Event::CaughtRight : Event::Missed;
  } else if (caught) {
    ++wrong_;
    kind = Event::CaughtWrong;
  }
  events.push_back(Event{kind, p.id, p.word});
  CheckOver(events);
}

void Rules::CheckOver(std::vector<Event>& events) {
  if (over_) return;
  // A game given too few words still ends.
  const bool ranOut = nextWord_ >= words_.size() && inAir_.empty();
  if (rightFallen_ < setup_.rightWanted && !ranOut) return;
  over_ = true;
  inAir_.clear();
  EndHint();
  events.push_back(Event{Event::Over, 0, {}});
}

std::vector<Event> Rules::Catch(QPointF point) {
  std::vector<Event> events;
  if (over_) return events;
  for (auto it = inAir_.rbegin(); it != inAir_.rend(); ++it) {
    if (!it->place.contains(point)) continue;
    const Picture caught = *it;
    inAir_.erase(std::next(it).base());
    Fallen(caught, true, events);
    break;
  }
  return events;
}

void Rules::Hint() {
  if (over_) return;
  paused_ |= kHint;
  hintLeftMs_ = kHintMs;
  for (Picture& p : inAir_) p.marked = p.word.right;
}

void Rules::SetPaused(Pause why, bool on) {
  const unsigned bits = why & ~unsigned(kHint);
  paused_ = on ? paused_ | bits : paused_ & ~bits;
}

void Rules::EndHint() {
  paused_ &= ~unsigned(kHint);
  hintLeftMs_ = 0;
  for (Picture& p : inAir_) p.marked = false;
}

}  // namespace falling
