#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

#include "platform/canvas.h"
#include "platform/form.h"
#include "session/session.h"
#include "platform/imagecontrol.h"
#include "profiles/profiles.h"

// "Kto dziś ćwiczy?": shown at start while children's profiles exist, before
// any file is read. One large button per child (the word picture the adult
// chose and the name) and one for the default files, "Gość", for a child
// without a profile of its own. Twelve children to a page; arrow buttons
// beside "Gość" turn the pages. The arrow keys move the highlight and Enter
// presses the highlighted button; Escape, like closing the window, leaves
// the program.
class TfmKtoCwiczy : public platform::Form {
  Q_OBJECT
 public:
  // What the screen ended with.
  static constexpr int kGosc = -1;     // the default files
  static constexpr int kWyjscie = -2;  // Escape or the window closed

  // `dzieci` in the order shown. `usunSplash`, when given, removes the
  // splash two seconds after the screen is first shown. Raises CBlad(1)
  // when the background is missing or broken; a child's picture that is
  // missing or broken leaves that child's button with the name alone.
  TfmKtoCwiczy(const session::Session& session, std::vector<profiles::Profile> dzieci, std::function<void()> usunSplash);
  ~TfmKtoCwiczy() override;

  // The chosen child's index in `dzieci`, kGosc or kWyjscie.
  int Wybor() const { return wybor_; }

  // Read access for tests and pictures of the screen.
  int Strona() const { return strona_; }
  int LiczbaStron() const;
  // The highlighted button: a child's place on this page, or one of these.
  static constexpr int kFokusGosc = 100, kFokusWstecz = 101, kFokusDalej = 102;
  int Fokus() const { return fokus_; }
  // Input areas of this page: a child's by its place on the page (nullptr
  // when out of range), "Gość", the page arrows (hidden on one page).
  platform::ImageControl* PrzyciskDziecka(int naStronie) const;
  platform::ImageControl* PrzyciskGosc() const { return gosc_; }
  platform::ImageControl* PrzyciskWstecz() const { return wstecz_; }
  platform::ImageControl* PrzyciskDalej() const { return dalej_; }
  // The child's picture could be read (else the button shows the name only).
  bool MaObrazek(int dziecko) const;

 protected:
  void FormShow() override;
  void FormPaint() override;
  void FormKeyPress(int key) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void UlozStrone(int strona, int fokus);
  void Wybierz(int wybor);
  void Nacisnij(int fokus);
  void PrzesunFokus(int klawisz);
  void UstawFokus(int fokus);
  void RysujPrzycisk(int fokus);
  QRect ProstokatFokusu(int fokus) const;
  platform::ImageControl* NowyObszar(int fokus);

  const session::Session& session_;
  std::vector<profiles::Profile> dzieci_;
  std::vector<QImage> obrazki_;
  std::function<void()> usunSplash_;
  platform::Canvas tlo_;

  int wybor_ = kWyjscie;
  int strona_ = 0;
  int fokus_ = 0;
  // This page's children's buttons, then the bottom row.
  std::vector<QRect> komorki_;
  QRect goscRect_, wsteczRect_, dalejRect_;
  std::vector<platform::ImageControl*> obszary_;
  platform::ImageControl* gosc_ = nullptr;
  platform::ImageControl* wstecz_ = nullptr;
  platform::ImageControl* dalej_ = nullptr;
};
