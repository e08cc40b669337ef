#include "menu/_cnagrywanie.h"

#include <utility>

CNagrywanie::CNagrywanie(Handler poOdtworzeniu, Handler poNagraniu)
    : poNagraniu_(std::move(poNagraniu)), poOdtworzeniu_(std::move(poOdtworzeniu)) {}

CNagrywanie::~CNagrywanie() { Zamknij(); }

void CNagrywanie::Zatrzymaj() {
  if (!otwarty_) return;
  odtwarza_ = false;
  nagrywa_ = false;
}

void CNagrywanie::Zamknij() {
  if (!otwarty_) return;
  if (nagrywa_ || odtwarza_) Zatrzymaj();
  otwarty_ = false;
}

void CNagrywanie::ZamknijIWylacz() {
  Zamknij();
  wlaczony_ = false;
}

void CNagrywanie::Wlacz() { wlaczony_ = true; }
