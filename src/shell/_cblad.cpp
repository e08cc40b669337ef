#include "shell/_cblad.h"

#include "platform/services.h"

QString CBlad::MessageText(qint16 code) {
  switch (code) {
    case 1: return QStringLiteral("          Brak zasobów !\n\nProszę przeinstalować program.");
    case 2: return QStringLiteral("Proszę zmienić rozdzielczość ekranu na 800 x 600 lub wyższą.");
    case 3: return QStringLiteral("Plik statystyk nie został poprawnie stworzony.");
    case 4: return QStringLiteral("Brak dostępu do pliku konfiguracyjnego programu. Program zakończy działanie.");
    default: return {};
  }
}

QString CBlad::Caption() { return QStringLiteral("Błąd"); }

void CBlad::Show(const platform::Services& services, QWidget* owner) const {
  services.messageBox(owner, MessageText(code), Caption(), platform::MessageIcon::Error);
}
