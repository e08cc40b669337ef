// A word's segmentation: the labelling board's lenient cut and the strict
// reading the word lists are checked with.
#include <QtTest>

#include "words/segmentation.h"

using namespace words;

namespace {

// "*" before a marked phoneme, "|" between phonemes.
QString Phonemes(const std::vector<Token>& tokens) {
  QStringList out;
  for (const Token& t : tokens) out << (t.marked ? QStringLiteral("*") : QString()) + t.phoneme;
  return out.join(QLatin1Char('|'));
}

}  // namespace

Q_DECLARE_METATYPE(words::SegmentationFault)

class SegmentationTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void scanGivesOnePhonemePerTokenWithItsMark_data() {
    QTest::addColumn<QString>("podzial");
    QTest::addColumn<QString>("expected");
    QTest::newRow("catalogue word") << QStringLiteral("_sz,k,o,ł,a,") << QStringLiteral("*sz|k|o|ł|a");
    QTest::newRow("no final comma") << QStringLiteral("_sz,a,l,i,k") << QStringLiteral("*sz|a|l|i|k");
    QTest::newRow("empty tokens") << QStringLiteral(",,_sz,,o,p,,a,,") << QStringLiteral("*sz|o|p|a");
    QTest::newRow("lone marker") << QStringLiteral("a,_,b,") << QStringLiteral("a|b");
    QTest::newRow("two marked") << QStringLiteral("_cz,a,_sz,") << QStringLiteral("*cz|a|*sz");
    QTest::newRow("one token, no comma") << QStringLiteral("_dż") << QStringLiteral("*dż");
    QTest::newRow("empty") << QString() << QString();
  }
  void scanGivesOnePhonemePerTokenWithItsMark() {
    QFETCH(QString, podzial);
    QFETCH(QString, expected);
    QCOMPARE(Phonemes(ScanSegmentation(podzial)), expected);
  }

  void aStoredSegmentationReadsAsTheBoardCutsIt() {
    const QString podzial = QStringLiteral("_sz,_cz,u,r,");
    const CheckedSegmentation checked = CheckSegmentation(podzial);
    QCOMPARE(checked.fault, SegmentationFault::None);
    QCOMPARE(Phonemes(checked.tokens), QStringLiteral("*sz|*cz|u|r"));
    QCOMPARE(checked.tokens, ScanSegmentation(podzial));
    QCOMPARE(Spelling(checked.tokens), QStringLiteral("szczur"));
  }

  void aStoredSegmentationIsRefusedForWhatTheBoardWouldSkip_data() {
    QTest::addColumn<QString>("podzial");
    QTest::addColumn<SegmentationFault>("fault");
    QTest::addColumn<QString>("badToken");
    QTest::newRow("no comma after the last token") << "_sz,o,p,a" << SegmentationFault::NoFinalComma << "";
    QTest::newRow("empty text") << "" << SegmentationFault::NoFinalComma << "";
    QTest::newRow("empty token") << "_sz,,o,p,a," << SegmentationFault::EmptyToken << "";
    QTest::newRow("bare marker") << "_,sz,o,p,a," << SegmentationFault::EmptyToken << "_";
    QTest::newRow("digit in a token") << "_sz,o,p,4," << SegmentationFault::NotLetters << "4";
    QTest::newRow("marker inside a token") << "_sz,o,p_,a," << SegmentationFault::NotLetters << "p_";
    QTest::newRow("no marked token") << "sz,o,p,a," << SegmentationFault::NothingMarked << "";
  }
  void aStoredSegmentationIsRefusedForWhatTheBoardWouldSkip() {
    QFETCH(QString, podzial);
    QFETCH(SegmentationFault, fault);
    QFETCH(QString, badToken);
    const CheckedSegmentation checked = CheckSegmentation(podzial);
    QCOMPARE(checked.fault, fault);
    QCOMPARE(checked.badToken, badToken);
    QVERIFY(checked.tokens.empty());
  }

  void capitalsAreRefusedOnlyWhereLowercaseIsAskedFor() {
    const QString podzial = QStringLiteral("_Sz,o,p,a,");
    QCOMPARE(CheckSegmentation(podzial).fault, SegmentationFault::None);
    const CheckedSegmentation lowercase = CheckSegmentation(podzial, Letters::LowercaseOnly);
    QCOMPARE(lowercase.fault, SegmentationFault::NotLetters);
    QCOMPARE(lowercase.badToken, QStringLiteral("_Sz"));
  }
};

QTEST_APPLESS_MAIN(SegmentationTest)
#include "tst_segmentation.moc"
