#include "catalogue/_cslowa.h"

#include <QFileInfo>
#include <iterator>

#include "platform/jpeg.h"
#include "platform/system.h"
#include "words/_custgry.h"
#include "words/random.h"
#include "words/wordlist.h"

namespace {

constexpr quint16 kSzNaglos = words::kSoundSz | words::kWordInitial;

// The word's own recording. What the games speak (an adult's model may take
// its place) is asked when they speak it, not fixed at load.

// A picture that is missing or cannot be decoded gives a null image: either
// way the game goes on without it.
QImage LoadPicture(const QString& path) {
  if (!QFileInfo(path).isFile()) return {};
  try {
    return platform::LoadJpegFile(path);
  } catch (const platform::ImageError&) {
    return {};
  }
}

}  // namespace

QString CSlowa::SoundPath(const QString& key) const { return content_.Path(QStringLiteral("Smd/") + key + QStringLiteral(".pw")); }
QString CSlowa::SmallPicturePath(const QString& key) const {
  return content_.Path(QStringLiteral("Sio/s") + key + QStringLiteral(".xji"));
}

CSlowa::CSlowa(const session::ContentRoot& content, platform::Clock& clock)
    : CSlowa(content, clock, content.Path(QString::fromLatin1(words::kWordList))) {}

CSlowa::CSlowa(const session::ContentRoot& content, platform::Clock& clock, const QString& wordListPath)
    : content_(content), clock_(&clock) {
  struct Wpis {
    const char* nazwa;
    const char16_t* podzial;
  };
  static constexpr Wpis kTabela[] = {
      {"szalik", u"_sz,a,l,i,k,"},
      {"szklanka", u"_sz,k,l,a,n,k,a,"},
      {"szkola", u"_sz,k,o,ł,a,"},
      {"szopa", u"_sz,o,p,a,"},
      {"szynka", u"_sz,y,n,k,a,"},
  };
  static_assert(std::size(kTabela) == std::tuple_size_v<decltype(Baza)>);
  for (size_t i = 0; i < Baza.size(); ++i) {
    SPaczka& slowo = Baza[i];
    slowo.Nazwa = QString::fromLatin1(kTabela[i].nazwa);
    slowo.Flagi = kSzNaglos;
    slowo.Podzial = QString::fromUtf16(kTabela[i].podzial);
    slowo.Dzwiek = SoundPath(slowo.Nazwa);
  }
  slownik_.assign(Baza.begin(), Baza.end());
  for (SPaczka& slowo : words::LoadWordList(wordListPath)) {
    if (!Ma(slowo.Nazwa)) Dodaj(std::move(slowo));
  }
}

bool CSlowa::Ma(const QString& key) const {
  for (const SPaczka& slowo : slownik_) {
    if (slowo.Nazwa == key) return true;
  }
  return false;
}

void CSlowa::Dodaj(SPaczka slowo) {
  slowo.Flagi &= quint16(~kZnacznik);
  slowo.Obrazek = QImage();
  slowo.ObrazekDuzy = QImage();
  slowo.Dzwiek = SoundPath(slowo.Nazwa);
  slownik_.push_back(std::move(slowo));
}

void CSlowa::Wybierz(const CUstGry& settings) {
  Dostepne.clear();
  Zwolnij();
  const quint16 pozycja = quint16(settings.pozycja);
  const quint16 gloski = quint16(settings.gloski);
  for (const SPaczka& slowo : slownik_) {
    if ((slowo.Flagi & pozycja) != 0 && (slowo.Flagi & gloski) != 0) Dostepne.push_back(slowo);
  }
  Dostepne.shrink_to_fit();
}

void CSlowa::Zwolnij() {
  Wylosowane.clear();
  for (SPaczka& slowo : Dostepne) slowo.Flagi &= quint16(~kZnacznik);
}

bool CSlowa::Losuj(int n) {
  Zwolnij();
  const int count = int(Dostepne.size());
  if (n > count) return false;
  RandomSeed(quint32(clock_->LocalSeconds()));
  Wylosowane.reserve(size_t(count));
  for (int i = 0; i < n; ++i) {
    // Probe forward from the random start to the next word not yet drawn;
    // n <= count guarantees one is left.
    int k = count > 0 ? RandomNext() % count : 0;
    while (Dostepne[size_t(k)].Flagi & kZnacznik) k = (k + 1) % count;
    Dostepne[size_t(k)].Flagi |= kZnacznik;
    Wylosowane.push_back(Dostepne[size_t(k)]);
  }
  Wylosowane.shrink_to_fit();
  return true;
}

bool CSlowa::WczytajObrazkiPodpisywania(const QString& suffix) {
  bool result = true;
  for (SPaczka& slowo : Wylosowane) {
    QImage duzy = LoadPicture(content_.Path(QStringLiteral("Bio/") + slowo.Nazwa + suffix));
    QImage maly = duzy.isNull() ? QImage() : LoadPicture(SmallPicturePath(slowo.Nazwa));
    // The word's pictures come as a pair: with either one unusable, both
    // stay empty.
    if (duzy.isNull() || maly.isNull()) {
      slowo.ObrazekDuzy = QImage();
      slowo.Obrazek = QImage();
      result = false;
      continue;
    }
    slowo.ObrazekDuzy = std::move(duzy);
    slowo.Obrazek = std::move(maly);
  }
  return result;
}

bool CSlowa::WczytajObrazkiMemory() {
  bool result = true;
  for (SPaczka& slowo : Wylosowane) {
    slowo.Obrazek = LoadPicture(SmallPicturePath(slowo.Nazwa));
    slowo.ObrazekDuzy = QImage();
    if (slowo.Obrazek.isNull()) result = false;
  }
  return result;
}
