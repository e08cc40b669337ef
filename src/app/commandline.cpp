#include "app/commandline.h"

namespace {

// Qt's options as Qt spells them, with one dash (two are accepted as well),
// and whether the next argument is their value. An option of Qt missing
// here would be refused as unknown, never passed on with a wrong value.
struct QtOption {
  QLatin1StringView name;
  bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    // Every platform.
    {QLatin1StringView("platform"), true},
    {QLatin1StringView("platformpluginpath"), true},
    {QLatin1StringView("platformtheme"), true},
    {QLatin1StringView("plugin"), true},
    {QLatin1StringView("qwindowgeometry"), true},
    {QLatin1StringView("qwindowicon"), true},
    {QLatin1StringView("qwindowtitle"), true},
    {QLatin1StringView("session"), true},
    {QLatin1StringView("reverse"), false},
    {QLatin1StringView("testability"), false},
    // X11.
    {QLatin1StringView("display"), true},
    {QLatin1StringView("geometry"), true},
    {QLatin1StringView("title"), true},
    {QLatin1StringView("icon"), true},
    {QLatin1StringView("name"), true},
    {QLatin1StringView("visual"), true},
    {QLatin1StringView("sync"), false},
    {QLatin1StringView("nograb"), false},
    {QLatin1StringView("dograb"), false},
    // Widgets.
    {QLatin1StringView("style"), true},
    {QLatin1StringView("stylesheet"), true},
    {QLatin1StringView("widgetcount"), false},
};
// Qt's options that carry their value after "=" in the same argument.
constexpr QLatin1StringView kQtOptionsWithEquals[] = {
    QLatin1StringView("style="), QLatin1StringView("stylesheet="), QLatin1StringView("qmljsdebugger=")};

const QtOption* FindQtOption(const QString& bare) {
  for (const QtOption& option : kQtOptions) {
    if (bare == option.name) return &option;
  }
  return nullptr;
}

bool IsQtOptionWithValueAttached(const QString& bare) {
  for (QLatin1StringView prefix : kQtOptionsWithEquals) {
    if (bare.startsWith(prefix)) return true;
  }
  return false;
}

CommandLine Fail(const QString& what) {
  CommandLine result;
  result.action = CommandLine::Action::Error;
  result.error = what;
  return result;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  bool help = false;
  bool version = false;
  bool csv = false;
  bool xlsx = false;
  bool profileGiven = false;
  CommandLine result;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& arg = arguments[i];
    const bool isCsv = arg == QLatin1StringView("--csv");
    const bool isXlsx = arg == QLatin1StringView("--xlsx");
    if (isCsv || isXlsx || arg == QLatin1StringView("--profil")) {
      if (++i == arguments.size() || arguments[i].isEmpty()) {
        return Fail(QStringLiteral("opcja %1 wymaga wartości").arg(arg));
      }
      bool& given = isCsv ? csv : isXlsx ? xlsx : profileGiven;
      if (given) return Fail(QStringLiteral("opcja %1 podana dwa razy").arg(arg));
      given = true;
      (isCsv || isXlsx ? result.exportPath : result.profile) = arguments[i];
    } else if (arg == QLatin1StringView("--help") || arg == QLatin1StringView("-h")) {
      help = true;
    } else if (arg == QLatin1StringView("--version") || arg == QLatin1StringView("-v")) {
      version = true;
    } else if (arg.size() > 1 && arg.startsWith(QLatin1Char('-'))) {
      const QString bare = arg.mid(arg.startsWith(QLatin1StringView("--")) ? 2 : 1);
      if (const QtOption* option = FindQtOption(bare)) {
        if (option->takesValue && ++i == arguments.size()) {
          return Fail(QStringLiteral("opcja %1 wymaga wartości").arg(arg));
        }
      } else if (!IsQtOptionWithValueAttached(bare)) {
        return Fail(QStringLiteral("nieznana opcja: %1").arg(arg));
      }
    } else {
      return Fail(QStringLiteral("nieoczekiwany argument: %1").arg(arg));
    }
  }
  if (csv && xlsx) return Fail(QStringLiteral("podaj --csv albo --xlsx, nie obie naraz"));
  if (profileGiven && !csv && !xlsx) return Fail(QStringLiteral("opcja --profil działa tylko z --csv lub --xlsx"));
  if (help) {
    result.action = CommandLine::Action::Help;
  } else if (version) {
    result.action = CommandLine::Action::Version;
  } else if (csv) {
    result.action = CommandLine::Action::ExportCsv;
  } else if (xlsx) {
    result.action = CommandLine::Action::ExportXlsx;
  }
  return result;
}

QString UsageText() {
  return QStringLiteral(
      "Użycie: MiniFonikra [--help] [--version] [--csv PLIK | --xlsx PLIK] [--profil IMIĘ] [opcje Qt]\n"
      "\n"
      "Gra logopedyczna dla dzieci: podpisywanie obrazków i Memory.\n"
      "\n"
      "Opcje:\n"
      "  -h, --help       wypisuje ten opis i kończy pracę\n"
      "  -v, --version    wypisuje wersję programu i kończy pracę\n"
      "  --csv PLIK       zapisuje wyniki wszystkich gier do pliku CSV (dla arkusza\n"
      "                   kalkulacyjnego) i kończy pracę, bez otwierania okna\n"
      "  --xlsx PLIK      zapisuje wyniki wszystkich gier do arkusza XLSX (z danymi\n"
      "                   wykresu) i kończy pracę, bez otwierania okna\n"
      "  --profil IMIĘ    z --csv lub --xlsx: wyniki dziecka o tym imieniu zamiast\n"
      "                   domyślnych\n"
      "\n"
      "Opcje biblioteki Qt, np. -platform offscreen, -display :1, -style Fusion,\n"
      "-geometry 1024x768+0+0, -reverse, są przekazywane do Qt.\n");
}

QString VersionText() { return QStringLiteral("Mini Fonikra Cz.I, wersja ") + QStringLiteral(FONIKRA_VERSION) + QLatin1Char('\n'); }
