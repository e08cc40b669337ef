#include "games/filling/rules.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <utility>

#include "words/wordbits.h"

namespace filling {

namespace {

// Values come from a generator of non-negative numbers; the cast keeps a
// stray negative one from giving a negative index.
int RandomBelow(qint32 value, int n) { return n > 0 ? int(quint32(value) % quint32(n)) : 0; }

// Sets of spelled sounds, one text each, split at spaces.
bool OneOf(const QString& p, const char* set) { return QString::fromUtf8(set).split(u' ').contains(p); }

bool IsVoicedGap(const QString& p) { return OneOf(p, "z ż rz dz dż"); }
bool IsVoiceless(const QString& p) { return OneOf(p, "p t k f s sz ś c cz ć ch h"); }
// The consonants that voice the one before them; "w" and "rz" do not.
bool Voices(const QString& p) { return OneOf(p, "b d g z ż dz dż ź dź"); }

// The gap's sounds, their bits, and each one's partner as spelled; "rz" has
// no partner of its own spelling: Ż and RZ both pair with Z.
const QStringList& Sounds() {
  static const QStringList sounds = QStringLiteral("sz ż rz cz dż s z c dz").split(u' ');
  return sounds;
}
constexpr std::array<quint16, 9> kBits = {words::kSoundSz, words::kSoundZRz, words::kSoundZRz, words::kSoundCz,
                                          words::kSoundDz, words::kSoundS, words::kSoundZ, words::kSoundC, words::kSoundDzHissing};
constexpr std::array<int, 9> kPartners = {5, 6, 6, 7, 8, 0, 1, 3, 4};

// Where in the word a token stands; a word of one token starts with it.
quint16 PlaceOf(int index, int count) {
  if (index == 0) return words::kWordInitial;
  return index == count - 1 ? words::kWordFinal : words::kWordMedial;
}

// Both halves of every pair of which either half is chosen.
quint16 ChosenPairs(quint16 gloski) {
  quint16 chosen = 0;
  for (quint16 bit : words::kSounds) {
    const quint16 pair = quint16(bit | (bit << 4));
    if (gloski & pair) chosen |= pair;
  }
  return chosen;
}

}  // namespace

int TasksForLevel(int poziom) { return poziom >= 1 && poziom <= 3 ? 5 * poziom : 0; }

quint16 SoundBit(const QString& phoneme) {
  const qsizetype k = Sounds().indexOf(phoneme);
  return k < 0 ? 0 : kBits[size_t(k)];
}

QString Partner(const QString& phoneme) {
  const qsizetype k = Sounds().indexOf(phoneme);
  return k < 0 ? QString() : Sounds()[kPartners[size_t(k)]];
}

bool ArePartners(const QString& a, const QString& b) {
  return !a.isEmpty() && !b.isEmpty() && (Partner(a) == b || Partner(b) == a);
}

bool HeardAsSpelled(const std::vector<Token>& tokens, int gap) {
  const int count = int(tokens.size());
  if (gap < 0 || gap >= count) return false;
  const QString& sound = tokens[size_t(gap)].phoneme;
  const QString next = gap + 1 < count ? tokens[size_t(gap + 1)].phoneme : QString();
  if (!IsVoicedGap(sound)) return !Voices(next);
  if (next.isEmpty() || IsVoiceless(next)) return false;
  return !(sound == QStringLiteral("rz") && gap > 0 && IsVoiceless(tokens[size_t(gap - 1)].phoneme));
}

Task TaskFor(const SPaczka& word, quint16 gloski, quint16 pozycja) {
  std::vector<Token> tokens = words::ScanSegmentation(word.Podzial);
  const int count = int(tokens.size());
  for (int k = 0; k < count; ++k) {
    const Token& token = tokens[size_t(k)];
    const quint16 sound = SoundBit(token.phoneme);
    const quint16 place = PlaceOf(k, count);
    if (!token.marked || !(sound & gloski & word.Flagi) || !(place & pozycja & word.Flagi)) continue;
    if (!HeardAsSpelled(tokens, k)) continue;
    QString right = token.phoneme;
    QString wrong = Partner(right);
    return Task{word.Nazwa, std::move(tokens), k, std::move(right), std::move(wrong)};
  }
  return Task{};
}

bool MinimalPair(const Task& a, const Task& b) {
  if (a.gap < 0 || a.gap != b.gap || a.tokens.size() != b.tokens.size()) return false;
  for (size_t k = 0; k < a.tokens.size(); ++k) {
    if (int(k) != a.gap && a.tokens[k].phoneme != b.tokens[k].phoneme) return false;
  }
  return ArePartners(a.right, b.right);
}

int Playable(const std::vector<SPaczka>& catalogue, const CUstGry& settings) {
  const quint16 gloski = ChosenPairs(quint16(settings.gloski));
  const quint16 pozycja = quint16(settings.pozycja) & words::kPositionMask;
  return int(std::count_if(catalogue.begin(), catalogue.end(),
                           [&](const SPaczka& word) { return TaskFor(word, gloski, pozycja).gap >= 0; }));
}

std::vector<Task> Choose(const std::vector<SPaczka>& catalogue, const CUstGry& settings, const Generator& next) {
  const int wanted = TasksForLevel(settings.poziom);
  const quint16 gloski = ChosenPairs(quint16(settings.gloski));
  const quint16 pozycja = quint16(settings.pozycja) & words::kPositionMask;

  // The candidates, each with its kind (0 hushing, 1 hissing) and its
  // minimal pair, whose spelling of the gap is the wrong tile.
  std::vector<Task> found;
  for (const SPaczka& word : catalogue) {
    Task task = TaskFor(word, gloski, pozycja);
    if (task.gap >= 0) found.push_back(std::move(task));
  }
  const int count = int(found.size());
  std::vector<int> kind(static_cast<size_t>(count), 0);
  std::vector<int> pairOf(static_cast<size_t>(count), -1);
  std::array<std::vector<int>, 2> pools;
  for (int i = 0; i < count; ++i) {
    kind[size_t(i)] = (SoundBit(found[size_t(i)].right) & words::kSoundMask) ? 0 : 1;
    pools[size_t(kind[size_t(i)])].push_back(i);
    for (int j = 0; j < count && pairOf[size_t(i)] < 0; ++j) {
      if (MinimalPair(found[size_t(i)], found[size_t(j)])) pairOf[size_t(i)] = j;
    }
    if (pairOf[size_t(i)] >= 0) found[size_t(i)].wrong = found[size_t(pairOf[size_t(i)])].right;
  }

  std::vector<bool> drawn(size_t(count), false);
  std::array<int, 2> left = {int(pools[0].size()), int(pools[1].size())};
  std::vector<Task> tasks;
  const auto take = [&](int i) {
    drawn[size_t(i)] = true;
    --left[size_t(kind[size_t(i)])];
    tasks.push_back(found[size_t(i)]);
  };
  int side = 0;
  while (int(tasks.size()) < wanted) {
    if (left[size_t(side)] == 0) side ^= 1;
    if (left[size_t(side)] == 0) break;
    const std::vector<int>& pool = pools[size_t(side)];
    // Probe forward from the random start to the next word not yet drawn,
    // as the catalogue's own draw does.
    int k = RandomBelow(next(), int(pool.size()));
    while (drawn[size_t(pool[size_t(k)])]) k = (k + 1) % int(pool.size());
    const int i = pool[size_t(k)];
    take(i);
    side = kind[size_t(i)] ^ 1;
    const int pair = pairOf[size_t(i)];
    if (pair >= 0 && !drawn[size_t(pair)] && int(tasks.size()) < wanted) {
      take(pair);
      side = kind[size_t(pair)] ^ 1;
    }
  }
  return tasks;
}

// --- Rules -------------------------------------------------------------------

Rules::Rules(std::vector<Task> tasks) : tasks_(std::move(tasks)), states_(tasks_.size()) {}

const Task* Rules::CurrentTask() const {
  if (current_ < 0 || current_ >= Count()) return nullptr;
  return &tasks_[size_t(current_)];
}

bool Rules::Next() {
  if (IsLast()) return false;
  ++current_;
  return true;
}

bool Rules::Previous() {
  if (IsFirst()) return false;
  --current_;
  return true;
}

Rules::Outcome Rules::Answer(const QString& tile) {
  const Task* task = CurrentTask();
  if (!task || IsSolved()) return Outcome::Ignored;
  State& state = states_[size_t(current_)];
  if (tile == task->right) {
    state.solved = true;
    ++correct_;
    return Outcome::Right;
  }
  ++wrong_;
  if (++state.wrongTries < 2) return Outcome::Wrong;
  state.solved = true;
  return Outcome::WrongLast;
}

bool Rules::IsSolved() const { return !CurrentTask() || states_[size_t(current_)].solved; }

bool Rules::AllSolved() const {
  return std::all_of(states_.begin(), states_.end(), [](const State& s) { return s.solved; });
}

}  // namespace filling
