// The asset build: the word and phrase lists it refuses, the contracts its
// pictures keep with the program (names, sizes, masks), and the encoders.
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

#include "appicon.h"
#include "asseterror.h"
#include "buttons.h"
#include "encoders.h"
#include "icons.h"
#include "interfaceart.h"
#include "menutabs.h"
#include "phrases.h"
#include "recorderart.h"
#include "platform/jpeg.h"
#include "sounds.h"
#include "style.h"
#include "tiles.h"
#include "tsv.h"
#include "wordlist.h"
#include "wordpictures.h"
#include "words/wordlist.h"

namespace {

// Each line of `body` gives key, word and segmentation; the cells and the
// icon, which these cases do not care about, are filled in.
QList<WordEntry> Words(const QString& body) {
  QString table = QStringLiteral("key\tword\tsegmentation\tcells\ticon\n");
  for (const QString& line : body.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    table += line + QStringLiteral("\tSZ initial\tscarf\n");
  }
  return ParseWordList(TsvTable::Parse(table, QStringLiteral("words.tsv")));
}

QString Thrown(const std::function<void()>& f) {
  try {
    f();
  } catch (const AssetError& e) {
    return e.Message();
  }
  return QString();
}

// Every pixel the mask leaves out (black) must be white in the picture, or
// the AND step would stain the screen around the shape.
bool WhiteOutsideMask(const QImage& picture, const QImage& mask, int tolerance = 0) {
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      if (qGray(mask.pixel(x, y)) > tolerance) continue;
      const QRgb c = picture.pixel(x, y);
      if (qRed(c) < 255 - tolerance || qGreen(c) < 255 - tolerance || qBlue(c) < 255 - tolerance) return false;
    }
  }
  return true;
}

bool OnlyBlackAndWhite(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y) & 0xffffff;
      if (c != 0 && c != 0xffffff) return false;
    }
  return true;
}

// A small icon set in the package's format: a red square on the common
// 32 x 32 box, a blue bar on a box of its own, an alias and an alias loop.
const QByteArray kIcons =
    "{\"prefix\": \"t\", \"width\": 32, \"height\": 32, \"icons\": {"
    "\"red-square\": {\"body\": \"<path fill=\\\"#ff0000\\\" d=\\\"M4 4h24v24H4z\\\"/>\"},"
    "\"tall\": {\"body\": \"<rect width=\\\"16\\\" height=\\\"32\\\" fill=\\\"#0000ff\\\"/>\", \"width\": 16}},"
    "\"aliases\": {\"crimson-square\": {\"parent\": \"red-square\"}, \"loop\": {\"parent\": \"loop\"}}}";

QByteArray WaveBytes() {
  QByteArray b("RIFF\x24\x10\0\0WAVEfmt ", 16);
  b.append(QByteArray(2000, '\0'));
  return b;
}

}  // namespace

class AssetgenTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() { InitFonts(); }

  void readsWordsByColumnNameIgnoringUnknownColumns() {
    const TsvTable table = TsvTable::Parse(QStringLiteral("# comment\n"
                                                          "segmentation\ticon\tkey\tsay_as\tword\tcells\tfit\n"
                                                          "_sz,k,o,ł,a,\tschool\tszkola\t\tszkoła\tSZ initial\tgood\n"
                                                          "\n"
                                                          "_ż,a,b,a,\tfrog\tzaba\tżabka\tżaba\tŻ/RZ initial\tgood\r\n"),
                                           QStringLiteral("words.tsv"));
    const QList<WordEntry> words = ParseWordList(table);
    QCOMPARE(words.size(), 2);
    QCOMPARE(words[0].key, QStringLiteral("szkola"));
    QCOMPARE(words[0].segmentation, QStringLiteral("_sz,k,o,ł,a,"));
    QCOMPARE(words[0].tokens.size(), size_t(5));
    QCOMPARE(words[0].tokens[0].phoneme, QStringLiteral("sz"));
    QVERIFY(words[0].tokens[0].marked);
    QVERIFY(!words[0].tokens[3].marked);
    QCOMPARE(words[0].SpokenText(), QStringLiteral("szkoła"));
    QCOMPARE(words[1].SpokenText(), QStringLiteral("żabka"));
    QCOMPARE(words[0].icon, QStringLiteral("school"));
    QCOMPARE(words[1].flags, quint16(0x0102));
  }

  void cellsGiveTheCatalogueBits_data() {
    QTest::addColumn<QString>("cells");
    QTest::addColumn<int>("flags");
    QTest::newRow("SZ initial") << "SZ initial" << 0x0101;
    QTest::newRow("Ż/RZ medial") << "Ż/RZ medial" << 0x0202;
    QTest::newRow("CZ final") << "CZ final" << 0x0404;
    QTest::newRow("DŻ initial") << "DŻ initial" << 0x0108;
    QTest::newRow("Z is not Ż/RZ") << "Z medial" << 0x0220;
    QTest::newRow("DZ is not DŻ") << "DZ initial" << 0x0180;
    QTest::newRow("hushing and hissing cells") << "S initial; C final" << 0x0550;
    QTest::newRow("two cells carry all their bits") << "SZ initial; CZ medial" << 0x0305;
    QTest::newRow("spaces and a trailing separator") << "  SZ  final ;CZ final;" << 0x0405;
  }
  void cellsGiveTheCatalogueBits() {
    QFETCH(QString, cells);
    QFETCH(int, flags);
    QCOMPARE(ParseCells(cells), quint16(flags));
  }

  void programWordListReadsBackAsTheCatalogueWords() {
    const QString table = QStringLiteral(
        "key\tword\tcells\tsegmentation\ticon\n"
        "szczur\tszczur\tSZ initial; CZ medial\t_sz,_cz,u,r,\trat\n"
        "zaba\tżaba\tŻ/RZ initial\t_ż,a,b,a,\tfrog\n"
        "dzem\tdżem\tDŻ initial\t_dż,e,m,\thoney-pot\n"
        "pedzel\tpędzel\tDZ medial\tp,ę,_dz,e,l,\tpaintbrush\n");
    const QList<WordEntry> entries = ParseWordList(TsvTable::Parse(table, QStringLiteral("words.tsv")));
    const std::vector<SPaczka> read = words::ParseWordList(ProgramWordList(entries));
    QCOMPARE(int(read.size()), 4);
    QCOMPARE(read[0].Nazwa, QStringLiteral("szczur"));
    QCOMPARE(read[0].Flagi, quint16(0x0305));
    QCOMPARE(read[0].Podzial, QStringLiteral("_sz,_cz,u,r,"));
    QCOMPARE(read[1].Podzial, QStringLiteral("_ż,a,b,a,"));
    QCOMPARE(read[1].Flagi, quint16(0x0102));
    QCOMPARE(read[2].Nazwa, QStringLiteral("dzem"));
    QCOMPARE(read[2].Flagi, quint16(0x0108));
    QCOMPARE(read[3].Flagi, quint16(0x0280));
    QCOMPARE(read[3].Podzial, QString::fromUtf8("p,ę,_dz,e,l,"));
  }

  void rejectsBrokenWords_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("message");
    QTest::newRow("Polish letter in key") << "szkoła\tszkoła\t_sz,k,o,ł,a,\n" << "ASCII letters";
    QTest::newRow("digit in key") << "szkola2\tszkoła\t_sz,k,o,ł,a,\n" << "ASCII letters";
    QTest::newRow("empty key") << "\tszkoła\t_sz,k,o,ł,a,\n" << "ASCII letters";
    QTest::newRow("repeated key") << "szopa\tszopa\t_sz,o,p,a,\nszopa\tszopa\t_sz,o,p,a,\n" << "words.tsv:3: key \"szopa\" appears twice";
    QTest::newRow("tokens spell another word") << "szkola\tszkoła\t_sz,k,o,l,a,\n" << "spells \"szkola\", not \"szkoła\"";
    QTest::newRow("no comma after the last token") << "szopa\tszopa\t_sz,o,p,a\n" << "must end with a comma";
    QTest::newRow("capital letter") << "szopa\tSzopa\t_Sz,o,p,a,\n" << "not lowercase letters";
    QTest::newRow("more tokens than key letters") << "ab\tczab\t_cz,a,b,\n" << "more tokens than the key";
    QTest::newRow("stray field") << "szopa\tszopa\t_sz,o,p,a,\textra\n" << "header names only 5 columns";
    QTest::newRow("more tokens than the slot row holds") << "nauczycielka\tnauczycielka\tn,a,u,_cz,y,c,i,e,l,k,a,\n"
                                                          << "more than 10 tokens";
    QTest::newRow("marked sound is neither hushing nor hissing") << "kot\tkot\t_k,o,t,\n" << "marked token \"k\" is not sz";
    QTest::newRow("marked sound is soft") << "slimak\tślimak\t_ś,l,i,m,a,k,\n" << "marked token \"ś\" is not sz";
    QTest::newRow("no words") << "" << "no words";
  }
  void rejectsBrokenWords() {
    QFETCH(QString, body);
    QFETCH(QString, message);
    const QString error = Thrown([&] { Words(body); });
    QVERIFY2(error.contains(message), qPrintable(error));
  }

  void rejectsUnknownCellsAndMissingIcons_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown sound") << "szopa\tszopa\tŚ initial\t_sz,o,p,a,\thut" << "cell \"Ś initial\"";
    QTest::newRow("unknown position") << "szopa\tszopa\tSZ middle\t_sz,o,p,a,\thut" << "cell \"SZ middle\"";
    QTest::newRow("no cell") << "szopa\tszopa\t\t_sz,o,p,a,\thut" << "no cell";
    QTest::newRow("no icon") << "szopa\tszopa\tSZ initial\t_sz,o,p,a,\t" << "has no icon";
  }
  void rejectsUnknownCellsAndMissingIcons() {
    QFETCH(QString, row);
    QFETCH(QString, message);
    const QString error = Thrown([&] {
      ParseWordList(TsvTable::Parse(QStringLiteral("key\tword\tcells\tsegmentation\ticon\n") + row + QStringLiteral("\n"),
                                    QStringLiteral("words.tsv")));
    });
    QVERIFY2(error.startsWith(QStringLiteral("words.tsv:2: ")), qPrintable(error));
    QVERIFY2(error.contains(message), qPrintable(error));
  }

  void iconSetKnowsItsIconsAndAliasesAndRefusesUnknownOnes() {
    const IconSet icons = IconSet::Parse(kIcons, QStringLiteral("icons.json"));
    QVERIFY(icons.Has(QStringLiteral("red-square")));
    QVERIFY(icons.Has(QStringLiteral("tall")));
    QVERIFY(icons.Has(QStringLiteral("crimson-square")));  // an alias of red-square
    QVERIFY(!icons.Has(QStringLiteral("loop")));            // an alias of itself
    QVERIFY(!icons.Has(QStringLiteral("scarf")));
    QVERIFY(icons.Svg(QStringLiteral("crimson-square")).contains("viewBox=\"0 0 32 32\""));
    QVERIFY(icons.Svg(QStringLiteral("tall")).contains("viewBox=\"0 0 16 32\""));

    const QList<WordEntry> words = ParseWordList(TsvTable::Parse(
        QStringLiteral("key\tword\tcells\tsegmentation\ticon\n"
                       "szopa\tszopa\tSZ initial\t_sz,o,p,a,\tcrimson-square\n"
                       "szal\tszal\tSZ initial\t_sz,a,l,\tscarf\n"),
        QStringLiteral("words.tsv")));
    const QString error = Thrown([&] { icons.CheckWords(words); });
    QVERIFY2(error.contains(QStringLiteral("szal (scarf)")), qPrintable(error));
    QVERIFY2(!error.contains(QStringLiteral("szopa")), qPrintable(error));
    icons.CheckWords(words.mid(0, 1));  // a known icon passes

    QVERIFY(Thrown([] { IconSet::Parse("{\"icons\": {}}", QStringLiteral("icons.json")); }).contains(QStringLiteral("no icons")));
    QVERIFY(Thrown([] { IconSet::Parse("not json", QStringLiteral("icons.json")); }).contains(QStringLiteral("not a JSON")));
    QVERIFY(Thrown([] { IconSet::Read(QStringLiteral("/nonexistent-icons")); }).contains(QStringLiteral("install-deps")));
  }

  void iconPicturesFillTheBoxFromTheVectorWithoutText() {
    const IconSet icons = IconSet::Parse(kIcons, QStringLiteral("icons.json"));
    const WordPainter painter = IconPainter(icons);
    WordEntry word;
    word.key = QStringLiteral("szopa");
    word.icon = QStringLiteral("red-square");
    QImage img(100, 60, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
      QPainter p(&img);
      painter(p, QRectF(0, 0, 100, 60), word);
    }
    // The 32 x 32 box becomes 60 x 60 in the middle of the 100 x 60 box, so
    // the square spans 27.5..72.5 across and 7.5..52.5 down, drawn at this
    // size: its edges are sharp, not the blur of a scaled bitmap.
    QCOMPARE(img.pixel(50, 30), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(28, 8), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(71, 51), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(26, 30), qRgb(255, 255, 255));
    QCOMPARE(img.pixel(74, 30), qRgb(255, 255, 255));
    QCOMPARE(img.pixel(50, 5), qRgb(255, 255, 255));
    // A narrow view box keeps its proportions.
    word.icon = QStringLiteral("tall");
    img.fill(Qt::white);
    {
      QPainter p(&img);
      painter(p, QRectF(0, 0, 100, 60), word);
    }
    QCOMPARE(img.pixel(50, 30), qRgb(0, 0, 255));
    QCOMPARE(img.pixel(36, 1), qRgb(0, 0, 255));
    QCOMPARE(img.pixel(33, 30), qRgb(255, 255, 255));
  }

  void rejectsAWordListWithoutItsColumns() {
    const QString error = Thrown([] {
      ParseWordList(TsvTable::Parse(QStringLiteral("key\tword\nszopa\tszopa\n"), QStringLiteral("words.tsv")));
    });
    QVERIFY2(error.contains(QStringLiteral("no column \"cells\"")), qPrintable(error));
  }

  void needsExactlyTheEightPraisesFiveCorrectionsAndTheSilence() {
    QString full = QStringLiteral("name\ttext\n");
    for (int i = 0; i < 8; ++i) full += QStringLiteral("g0%1\tBrawo!\n").arg(i);
    for (int i = 0; i < 5; ++i) full += QStringLiteral("b0%1\tJeszcze raz.\n").arg(i);
    full += QStringLiteral("n00\tCisza.\n");
    QCOMPARE(ParsePhrases(TsvTable::Parse(full, QStringLiteral("p"))).size(), 14);

    for (const QString& line : {QStringLiteral("b04\tJeszcze raz.\n"), QStringLiteral("n00\tCisza.\n")}) {
      QString missing = full;
      missing.remove(line);
      QVERIFY(Thrown([&] { ParsePhrases(TsvTable::Parse(missing, QStringLiteral("p"))); })
                  .contains(QStringLiteral("\"%1\" is missing").arg(line.left(3))));
    }
    QVERIFY(Thrown([&] { ParsePhrases(TsvTable::Parse(full + QStringLiteral("g08\tHej!\n"), QStringLiteral("p"))); })
                .contains(QStringLiteral("unknown phrase name \"g08\"")));
    QVERIFY(Thrown([&] { ParsePhrases(TsvTable::Parse(full + QStringLiteral("g01\tHej!\n"), QStringLiteral("p"))); })
                .contains(QStringLiteral("appears twice")));
  }

  void jpegKeepsSizeAndColoursAndIsBaseline() {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 0, 32, 24, QColor(220, 30, 20));
    QPainter(&image).fillRect(32, 24, 32, 24, QColor(20, 60, 200));
    const QByteArray data = EncodeJpeg(image);
    QVERIFY(data.contains(QByteArray("\xff\xc0", 2)));   // baseline frame
    QVERIFY(!data.contains(QByteArray("\xff\xc2", 2)));  // not progressive
    const QImage decoded = platform::DecodeJpeg(data);
    QCOMPARE(decoded.size(), image.size());
    auto near = [](QRgb a, QRgb b) {
      return qAbs(qRed(a) - qRed(b)) < 8 && qAbs(qGreen(a) - qGreen(b)) < 8 && qAbs(qBlue(a) - qBlue(b)) < 8;
    };
    QVERIFY(near(decoded.pixel(10, 10), qRgb(220, 30, 20)));
    QVERIFY(near(decoded.pixel(50, 40), qRgb(20, 60, 200)));
    QVERIFY(near(decoded.pixel(50, 10), qRgb(255, 255, 255)));
  }

  void imageButtonsKeepTheMaskContract() {
    for (const QString& name : ImageButtonNames()) {
      const ButtonPictures b = ImageButton(name);
      QVERIFY2(OnlyBlackAndWhite(b.mask), qPrintable(name));
      for (const QImage* state : {&b.normal, &b.hover, &b.pressed}) {
        QCOMPARE(state->size(), QSize(70, 60));
        QVERIFY2(WhiteOutsideMask(*state, b.mask), qPrintable(name));
      }
      QVERIFY2(b.hover != b.normal && b.pressed != b.normal && b.pressed != b.hover, qPrintable(name));
    }
  }

  void theRecordersButtonAndLightKeepTheMaskContractAtBothSizes() {
    QMap<QString, QImage> files;
    RenderRecorderArt([&](const QString& path, const QImage& image) { files.insert(path, image); });
    const QImage mask = files.value(QStringLiteral("Pict/mikr_M.png"));
    QVERIFY(OnlyBlackAndWhite(mask));
    for (const char* state : {"mikr_D", "mikr_A", "mikr_"}) {
      const QImage picture = files.value(QStringLiteral("Pict/%1.png").arg(QLatin1String(state)));
      QCOMPARE(picture.size(), QSize(70, 60));
      QVERIFY2(WhiteOutsideMask(picture, mask), state);
    }
    for (const auto& [suffix, size] : {std::pair{"_s", 36}, std::pair{"_b", 44}}) {
      const QImage lightMask = files.value(QStringLiteral("Pict/nagr%1_M.png").arg(QLatin1String(suffix)));
      const QImage lit = files.value(QStringLiteral("Pict/nagr1%1.png").arg(QLatin1String(suffix)));
      const QImage unlit = files.value(QStringLiteral("Pict/nagr2%1.png").arg(QLatin1String(suffix)));
      QCOMPARE(lightMask.size(), QSize(size, size));
      QVERIFY(OnlyBlackAndWhite(lightMask));
      QVERIFY(WhiteOutsideMask(lit, lightMask) && WhiteOutsideMask(unlit, lightMask));
      // The pulse is seen: the lit dot is a clear red, the unlit one darker.
      const QColor centre = lit.pixelColor(size / 2, size / 2);
      QVERIFY(centre.red() > 200 && centre.green() < 160);
      QVERIFY(qGray(unlit.pixel(size / 2, size / 2)) < qGray(lit.pixel(size / 2, size / 2)));
    }
  }

  void wordPicturesStayInsideTheirMattesAfterJpeg() {
    const WordEntry word = Words(QStringLiteral("szopa\tszopa\t_sz,o,p,a,\n")).first();
    for (const QSize size : {QSize(252, 290), QSize(328, 380), QSize(180, 220), QSize(240, 290)}) {
      const QImage picture = platform::DecodeJpeg(EncodeJpeg(FramedPicture(size, word, PaintPlaceholderPicture)));
      const QImage matte = platform::DecodeJpeg(EncodeJpeg(FrameMatte(size)));
      // JPEG blurs the frame's edge by a few levels, never more.
      QVERIFY(WhiteOutsideMask(picture, matte, 24));
      QVERIFY(qGray(matte.pixel(size.width() / 2, size.height() / 2)) > 250);
      QVERIFY(qGray(matte.pixel(0, 0)) < 5);
    }
  }

  void tilesCoverTheAlphabetAndEveryTokenUnderProgramFileNames() {
    const QList<WordEntry> words = Words(QStringLiteral("xerosz\txerosz\tx,e,r,o,_sz,\n"));
    const QStringList texts = TileTexts(words);
    QCOMPARE(texts.count(QStringLiteral("x")), 1);
    QCOMPARE(texts.count(QStringLiteral("e")), 1);
    QVERIFY(texts.contains(QStringLiteral("dź")));

    QMap<QString, QSize> files;
    RenderTiles(words, [&](const QString& path, const QImage& image) { files.insert(path, image.size()); });
    // The filling game draws the two answers of its gap red, whether or not
    // a word marks them: all nine sounds have a red tile.
    for (const char* stem : {"dzz", "dzzz", "zz", "zzz", "sz", "rz", "ch", "x", "oo", "ll", "cz", "s", "z", "c", "dz"}) {
      QCOMPARE(files.value(QStringLiteral("Pict/%1.png").arg(QLatin1String(stem))), QSize(55, 55));
      QCOMPARE(files.value(QStringLiteral("Pict/%1_red.png").arg(QLatin1String(stem))), QSize(55, 55));
    }
    // "zz" as a token would overwrite the tile of "ż".
    const QString error = Thrown([] {
      RenderTiles(Words(QStringLiteral("jazzcz\tjazzcz\tj,a,zz,_cz,\n")), [](const QString&, const QImage&) {});
    });
    QVERIFY2(error.contains(QStringLiteral("zz.png")), qPrintable(error));
  }

  void everyPictureTheProgramOpensIsRenderedAtItsSize() {
    QMap<QString, QSize> files;
    const PictureSink sink = [&](const QString& path, const QImage& image) {
      QVERIFY2(!files.contains(path), qPrintable(path));
      files.insert(path, image.size());
    };
    RenderInterfaceArt(sink);
    RenderButtons(sink);
    RenderWordPictures(Words(QStringLiteral("szopa\tszopa\t_sz,o,p,a,\n")), PaintPlaceholderPicture, sink);

    const QSize small(800, 600), big(1024, 768);
    const QMap<QString, QSize> expected = {
        {"Intf/Spec/mT_Splh.xji", {600, 348}},  {"Intf/Spec/mKom_kp.xji", {420, 250}},
        {"Intf/Spec/mT_m0_s.xji", small},       {"Intf/Spec/mT_m0_b.xji", big},
        {"Intf/Spec/mT_Kto_s.xji", small},      {"Intf/Spec/mT_Kto_b.xji", big},
        {"Intf/Spec/mT_m1_s.xbi", {496, 64}},   {"Intf/Spec/mT_m2_s.xbi", {496, 64}},
        {"Intf/Spec/mT_m1_b.xbi", {640, 80}},   {"Intf/Spec/mT_m2_b.xbi", {640, 80}},
        {"Intf/Spec/mT_m0strip_s.xbi", {496, 64}}, {"Intf/Spec/mT_m0strip_b.xbi", {640, 80}},
        {"Intf/Spec/mT_z3on_s.xbi", {144, 64}}, {"Intf/Spec/mT_z3off_b.xbi", {184, 80}},
        {"Intf/Spec/mT_z4off_s.xbi", {144, 64}}, {"Intf/Spec/mT_z4on_b.xbi", {184, 80}},
        {"Intf/Spec/mT_Mem_s.xji", small},      {"Intf/Spec/mT_Mem_b.xji", big},
        {"Intf/Spec/mT_Pod_s1.xji", small},     {"Intf/Spec/mT_Pod_b1.xji", big},
        {"Intf/Spec/mT_OPro_s.xji", small},     {"Intf/Spec/mT_OPro_b.xji", big},
        {"Intf/Spec/comm_s.xji", small},        {"Intf/Spec/comm_b.xji", big},
        {"Intf/Spec/mStatsB.xji", {600, 450}},  {"Intf/Spec/mStatsM.xji", {600, 450}},
        {"Intf/Spec/mStatsG.xji", {600, 450}},  {"Pict/start_.png", {70, 60}},
        {"Pict/oprogramie_M.png", {70, 60}},    {"Pict/srodglos_A.png", {120, 44}},
        {"Pict/wyniki_D.png", {70, 60}},
        {"Pict/DZZ_D.png", {90, 44}},           {"Pict/nap_pozycja.png", {320, 40}},
        {"Pict/SZ_S_A.png", {96, 44}},          {"Pict/DZZ_DZ_D.png", {96, 44}},
        {"Sio/sszopa.xji", {80, 100}},          {"Sio/blkcard0.xji", {80, 100}},
        {"Bio/szopa_ups.xji", {252, 290}},      {"Bio/_matr_ups.xji", {252, 290}},
        {"Bio/szopa_upb.xji", {328, 380}},      {"Bio/_matr_upb.xji", {328, 380}},
        {"Bio/szopa_ms.xji", {180, 220}},       {"Bio/_matr_ms.xji", {180, 220}},
        {"Bio/szopa_mb.xji", {240, 290}},       {"Bio/_matr_mb.xji", {240, 290}},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
      QVERIFY2(files.contains(it.key()), qPrintable(it.key()));
      QCOMPARE(files.value(it.key()), it.value());
    }
    // 8 buttons x 4 states, 14 check buttons x 2, 3 captions and the logo.
    QCOMPARE(files.keys().filter(QStringLiteral("Pict/")).size(), 32 + 28 + 3 + 1);
  }

  // Check buttons, captions, tiles and cards are copied opaque and paint
  // their corners in the panel colour; the backgrounds must hold exactly that
  // colour wherever the screens put them.
  void opaquePicturesSitOnTheirPanelColour() {
    auto onPanel = [](const QImage& bg, const QRect& r) {
      for (const QPoint& pt : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
        const QRgb c = bg.pixel(pt);
        const QRgb want = palette::kPanel.rgb();
        if (qAbs(qRed(c) - qRed(want)) > 3 || qAbs(qGreen(c) - qGreen(want)) > 3 || qAbs(qBlue(c) - qBlue(want)) > 3)
          return false;
      }
      return true;
    };
    for (const QSize size : {QSize(800, 600), QSize(1024, 768)}) {
      const int W = size.width(), H = size.height();
      const QImage menu = platform::DecodeJpeg(EncodeJpeg(MenuBackground(size)));
      const int x0 = (W / 33) * 9;
      for (int i = 0; i < 3; ++i) {
        QVERIFY(onPanel(menu, QRect(x0 + i * (W / 6), H / 4, 120, 44)));
        QVERIFY(onPanel(menu, QRect(x0 + i * (W / 6), (7 * H) / 12, 120, 44)));
        QVERIFY(onPanel(menu, QRect(W / 2 - 160, (H / 6) * (i + 1), 320, 40)));
      }
      // The sound buttons and, in their places, the wider pair buttons.
      for (int i = 0; i < 4; ++i) QVERIFY(onPanel(menu, QRect(x0 + i * (W / 8), (5 * H) / 12, 96, 44)));

      const QImage memory = platform::DecodeJpeg(EncodeJpeg(MemoryBackground(size)));
      const QPoint origin = W == 800 ? QPoint(100, 95) : QPoint(190, 190);
      for (int i = 0; i < 20; ++i) {
        QVERIFY(onPanel(memory, QRect(origin.x() + (i % 5) * 85, origin.y() + (i / 5) * 105, 80, 100)));
      }

      // Tiles land anywhere in the left strip and the bottom band, and in
      // the slot row.
      const QImage labelling = platform::DecodeJpeg(EncodeJpeg(TileGameBackground(size, QStringLiteral("Podpisywanie"), true)));
      QVERIFY(onPanel(labelling, QRect(10, 10, W / 5 + 55, H - 75 - 10 + 55)));
      QVERIFY(onPanel(labelling, QRect(10, H - H / 5, W - 75 + 55, 75 - 10 - 1)));
      QVERIFY(onPanel(labelling, QRect(W / 2 - 30 * 9, H - H / 4, 70 * 8 + 55, 55)));
      // The filling game's slot row and its two answer tiles below it.
      const QImage filling = platform::DecodeJpeg(EncodeJpeg(TileGameBackground(size, QStringLiteral("Uzupełnianie"), false)));
      QVERIFY(onPanel(filling, QRect(W / 2 - 30 * 9, H - H / 4, 70 * 8 + 55, 55)));
      QVERIFY(onPanel(filling, QRect(W / 2 - 85, H - H / 4 + 80, 170, 55)));
    }
  }

  // Each tab picture starts as the menu background under its place, and the
  // menu shows the other state of a tab in the same spot.
  void tabPicturesContinueTheMenuBackground_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("otherState");
    QTest::addColumn<QRect>("place");
    QTest::newRow("strip with tab 1") << "mT_m1_s" << "mT_m2_s" << kMenuTabsSmall.strip;
    QTest::newRow("strip with no tab") << "mT_m0strip_b" << "mT_m1_b" << kMenuTabsBig.strip;
    QTest::newRow("tab 3 on") << "mT_z3on_s" << "mT_z3off_s" << kMenuTabsSmall.fillTab;
    QTest::newRow("tab 3 off") << "mT_z3off_b" << "mT_z3on_b" << kMenuTabsBig.fillTab;
    QTest::newRow("tab 4 on") << "mT_z4on_b" << "mT_z4off_b" << kMenuTabsBig.fallTab;
    QTest::newRow("tab 4 off") << "mT_z4off_s" << "mT_z4on_s" << kMenuTabsSmall.fallTab;
  }
  void tabPicturesContinueTheMenuBackground() {
    QFETCH(QString, name);
    QFETCH(QString, otherState);
    QFETCH(QRect, place);
    static const QMap<QString, QImage> files = [] {
      QMap<QString, QImage> all;
      RenderInterfaceArt([&](const QString& path, const QImage& image) { all.insert(path, image); });
      return all;
    }();
    const QImage tab = files.value(QStringLiteral("Intf/Spec/%1.xbi").arg(name));
    const QImage menu = files.value(name.endsWith(QLatin1String("_s")) ? QStringLiteral("Intf/Spec/mT_m0_s.xji")
                                                                       : QStringLiteral("Intf/Spec/mT_m0_b.xji"));
    QCOMPARE(tab.size(), place.size());
    QVERIFY(QRect(QPoint(0, 0), menu.size()).contains(place));
    for (const QPoint& corner : {QPoint(0, 0), QPoint(place.width() - 1, 0), QPoint(0, place.height() - 1),
                                 QPoint(place.width() - 1, place.height() - 1)}) {
      QCOMPARE(tab.pixel(corner), menu.pixel(place.topLeft() + corner));
    }
    QVERIFY(tab != files.value(QStringLiteral("Intf/Spec/%1.xbi").arg(otherState)));
  }

  void writesBitmapsAt24BitsAndPngsWithoutAlpha() {
    QTemporaryDir dir;
    PictureWriter writer(dir.path());
    const QImage image = NewPicture(10, 8, palette::kCoral);
    writer.Write(QStringLiteral("Intf/Spec/t.xbi"), image);
    writer.Write(QStringLiteral("Pict/t.png"), image);
    QFile bmp(dir.filePath(QStringLiteral("Intf/Spec/t.xbi")));
    QVERIFY(bmp.open(QIODevice::ReadOnly));
    const QByteArray header = bmp.read(30);
    QVERIFY(header.startsWith("BM"));
    QCOMPARE(int(uchar(header[28])), 24);
    const QImage png(dir.filePath(QStringLiteral("Pict/t.png")), "PNG");
    QVERIFY(!png.hasAlphaChannel());
    QCOMPARE(png.pixel(3, 3), palette::kCoral.rgb());
    QVERIFY(!Thrown([&] { writer.Write(QStringLiteral("Pict/t.jpg"), image); }).isEmpty());
  }

  // The desktop shows the SVG or a PNG, whichever fits: both must be the same
  // picture, round with see-through corners.
  void appIconSvgShowsWhatThePngsShow() {
    const int size = 128;
    const QImage png = AppIconPicture(size);
    QSvgRenderer renderer(AppIconSvg());
    QVERIFY(renderer.isValid());
    QImage svg(size, size, QImage::Format_ARGB32_Premultiplied);
    svg.fill(Qt::transparent);
    QPainter p(&svg);
    renderer.render(&p);
    p.end();
    int differing = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const QRgb a = png.pixel(x, y), b = svg.pixel(x, y);
        if (qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) +
                qAbs(qAlpha(a) - qAlpha(b)) > 60)
          ++differing;
      }
    // Only edges may differ, by their anti-aliasing.
    QVERIFY2(differing < size * size / 100, qPrintable(QString::number(differing)));
    QCOMPARE(qAlpha(png.pixel(1, 1)), 0);
    QCOMPARE(png.pixel(size / 2, size / 6), palette::kYellow.rgb());
  }

  void aRecordingReplacesTheSynthesisedSound() {
    QTemporaryDir dir;
    const QString voice = dir.filePath(QStringLiteral("voice"));
    QDir().mkpath(voice);
    QFile recording(voice + QStringLiteral("/szopa.wav"));
    QVERIFY(recording.open(QIODevice::WriteOnly));
    recording.write(WaveBytes());
    recording.close();
    const QString out = dir.filePath(QStringLiteral("Data/Smd/szopa.pw"));
    ProduceSounds({{QStringLiteral("szopa"), QStringLiteral("szopa"), out}}, voice);
    QFile copied(out);
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QCOMPARE(copied.readAll(), WaveBytes());

    QVERIFY(recording.open(QIODevice::WriteOnly));
    recording.write("not a sound");
    recording.close();
    const QString error = Thrown([&] { ProduceSounds({{QStringLiteral("szopa"), QStringLiteral("szopa"), out}}, voice); });
    QVERIFY2(error.contains(QStringLiteral("not a RIFF WAVE")), qPrintable(error));
  }
};

QTEST_MAIN(AssetgenTest)
#include "tst_assetgen.moc"
