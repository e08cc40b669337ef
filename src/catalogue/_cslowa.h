#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>
#include <array>
#include <vector>

#include "platform/system.h"
#include "session/contentroot.h"
#include "words/spaczka.h"
#include "words/wordbits.h"

class CUstGry;

// The catalogue of the words both games use: each word's sound and position
// bits, its phoneme segmentation and the names of its files. It selects the
// words that fit a game's settings and draws a game's words at random.
class CSlowa {
 public:
  // Bit of `Flagi` marking a drawn word.
  static constexpr quint16 kZnacznik = words::kDrawnMark;

  // One word (words/spaczka.h).
  using SPaczka = ::SPaczka;

  // The built-in words, then those of the content's word list
  // (words::kWordList); pictures and sounds are the content's.
  // The draw is seeded from `clock`'s local seconds.
  CSlowa(const session::ContentRoot& content, platform::Clock& clock);
  // The built-in words, then those of the list at `wordListPath` whose key is
  // not in the table yet. A missing list adds nothing.
  CSlowa(const session::ContentRoot& content, platform::Clock& clock, const QString& wordListPath);

  // Adds a word after those already in the table (for a word list read at
  // start-up). Its pictures and mark are dropped and its sound path is set.
  void Dodaj(SPaczka slowo);
  // Every word that Wybierz considers: the built-in five, then added ones.
  const std::vector<SPaczka>& Slownik() const { return slownik_; }
  // True when a word of that key is in the table.
  bool Ma(const QString& key) const;

  // Rebuilds Dostepne with the words that share at least one sound bit and
  // at least one position bit with `settings`, in table order. Releases the
  // drawn words.
  void Wybierz(const CUstGry& settings);
  // Releases the drawn words and their pictures and clears the drawn marks.
  void Zwolnij();
  // Draws n distinct words of Dostepne into Wylosowane, in the order drawn.
  // The generator is seeded from the local clock's whole seconds at every
  // call, so two draws within one second give the same words. False, with
  // nothing drawn, when Dostepne holds fewer than n words.
  bool Losuj(int n);
  // Loads ObrazekDuzy ("Bio/<key>" + suffix of the content) and Obrazek of every drawn
  // word. A word whose files are missing or undecodable keeps both pictures
  // null, and the result is false; the other words are still loaded.
  bool WczytajObrazkiPodpisywania(const QString& suffix);
  // Loads Obrazek of every drawn word; false when any is missing or
  // undecodable (that word's picture stays null).
  bool WczytajObrazkiMemory();

  // The built-in word table. Its records never hold pictures.
  std::array<SPaczka, 5> Baza;
  // The words that fit the settings of the game about to start.
  std::vector<SPaczka> Dostepne;
  // The words of the current game; only these hold pictures. Read them with
  // at() so that a wrong index is caught.
  std::vector<SPaczka> Wylosowane;

 private:
  QString SoundPath(const QString& key) const;
  QString SmallPicturePath(const QString& key) const;

  session::ContentRoot content_;
  platform::Clock* clock_;
  std::vector<SPaczka> slownik_;
};
