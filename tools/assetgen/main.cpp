// assetgen <assets folder> <Data folder> <icon set folder>
// assetgen --app-icon <hicolor theme folder> <icon name>
//
// Renders every picture and synthesises every sound the program opens. It
// overwrites its own outputs and leaves anything else in the Data folder
// alone. Any fault ends it with a message and a non-zero status, which fails
// the build. The second form draws only the program's desktop icon, which is
// installed beside the program rather than read by it.
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

#include "appicon.h"
#include "asseterror.h"
#include "buttons.h"
#include "encoders.h"
#include "icons.h"
#include "interfaceart.h"
#include "phrases.h"
#include "recorderart.h"
#include "sounds.h"
#include "style.h"
#include "tiles.h"
#include "wordlist.h"
#include "wordpictures.h"

namespace {

// espeak-ng speaks 175 words a minute of its own.
constexpr int kSlowWordsPerMinute = 95;

QByteArray ReadSource(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) throw AssetError(QStringLiteral("cannot read %1").arg(path));
  return f.readAll();
}

void Run(const QString& assets, const QString& data, const QString& iconFolder) {
  const QList<WordEntry> words = ReadWordList(assets + QStringLiteral("/words.tsv"));
  const IconSet icons = IconSet::Read(iconFolder);
  icons.CheckWords(words);
  const QList<Phrase> phrases = ReadPhrases(assets + QStringLiteral("/phrases.tsv"));
  CheckPolishVoice();
  InitFonts();

  PictureWriter writer(data);
  const PictureSink sink = [&writer](const QString& path, const QImage& image) { writer.Write(path, image); };
  RenderInterfaceArt(sink);
  RenderButtons(sink);
  RenderRecorderArt(sink);
  RenderTiles(words, sink);
  RenderWordPictures(words, IconPainter(icons), sink);
  WriteDataFile(data + QStringLiteral("/words.txt"), ProgramWordList(words));
  WriteDataFile(data + QStringLiteral("/LICENSE-icons.txt"), ReadSource(assets + QStringLiteral("/LICENSE-icons.txt")));

  QList<SoundJob> sounds;
  for (const Phrase& p : phrases) {
    sounds.append({p.name, p.text, data + QStringLiteral("/Intf/Smd/") + p.name + QStringLiteral(".pw")});
  }
  for (const WordEntry& w : words) {
    sounds.append({w.key, w.SpokenText(), data + QStringLiteral("/Smd/") + w.key + QStringLiteral(".pw")});
    // Slowly, for the filling game's hint: the sound at the gap is heard better.
    sounds.append({w.key + QStringLiteral("_w"), w.SpokenText(), data + QStringLiteral("/Smd/") + w.key + QStringLiteral("_w.pw"),
                   kSlowWordsPerMinute});
  }
  ProduceSounds(sounds, assets + QStringLiteral("/voice"));

  std::printf("assetgen: %d pictures and %d sounds for %d words\n", writer.Count(), int(sounds.size()),
              int(words.size()));
}

}  // namespace

int main(int argc, char** argv) {
  // Nothing is shown: the offscreen platform is enough to render text.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const bool appIcon = argc == 4 && qstrcmp(argv[1], "--app-icon") == 0;
  if (argc != 4) {
    std::fprintf(stderr,
                 "usage: assetgen <assets folder> <Data folder> <icon set folder>\n"
                 "       assetgen --app-icon <hicolor theme folder> <icon name>\n");
    return 2;
  }
  QElapsedTimer clock;
  clock.start();
  try {
    if (appIcon) {
      InitFonts();
      RenderAppIcons(QDir(QString::fromLocal8Bit(argv[2])).absolutePath(), QString::fromLocal8Bit(argv[3]));
      return 0;
    }
    Run(QDir(QString::fromLocal8Bit(argv[1])).absolutePath(), QDir(QString::fromLocal8Bit(argv[2])).absolutePath(),
        QDir(QString::fromLocal8Bit(argv[3])).absolutePath());
  } catch (const platform::Exception& e) {
    std::fprintf(stderr, "assetgen: error: %s\n", qPrintable(e.Message()));
    return 1;
  }
  std::printf("assetgen: done in %.1f s\n", clock.elapsed() / 1000.0);
  return 0;
}
