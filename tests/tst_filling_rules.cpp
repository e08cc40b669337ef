// The filling game without a screen: the sounds and their partners, the task
// of a word (where hearing decides its gap), the draw of a game, answers.
#include <QtTest>

#include "games/filling/rules.h"
#include "support/scripted.h"

using namespace filling;

using testing::Scripted;

namespace {

using Values = std::vector<qint32>;

SPaczka Word(const QString& key, const QString& podzial, int flagi) {
  return SPaczka{key, quint16(flagi), {}, {}, {}, podzial};
}

// Hushing and hissing words at the start and the middle, minimal pairs (one
// spelling RZ), and one word heard otherwise than spelled.
const std::vector<SPaczka> kCatalogue = {
    Word("kasza", "k,a,_sz,a,", 0x201), Word("kasa", "k,a,_s,a,", 0x210),   Word("szafa", "_sz,a,f,a,", 0x101),
    Word("sowa", "_s,o,w,a,", 0x110),   Word("szyba", "_sz,y,b,a,", 0x101), Word("sok", "_s,o,k,", 0x110),
    Word("czapka", "_cz,a,p,k,a,", 0x104), Word("woz", "w,ó,_z,", 0x420), Word("morze", "m,o,_rz,e,", 0x202),
    Word("moze", "m,o,_z,e,", 0x220)};

// Each task as key:wrong tile.
QString Drawn(const std::vector<Task>& tasks) {
  QStringList drawn;
  for (const Task& task : tasks) drawn << task.key + u':' + task.wrong;
  return drawn.join(u' ');
}

}  // namespace

Q_DECLARE_METATYPE(Values)

class FillingRulesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void soundsHaveTheirBitAndPartner_data() {
    QTest::addColumn<QString>("sound");
    QTest::addColumn<int>("bit");
    QTest::addColumn<QString>("partner");
    for (const QString& row : QStringLiteral("sz:1:s s:16:sz ż:2:z rz:2:z z:32:ż cz:4:c c:64:cz dż:8:dz dz:128:dż k:0:").split(u' ')) {
      QTest::newRow(qPrintable(row)) << row.section(u':', 0, 0) << row.section(u':', 1, 1).toInt() << row.section(u':', 2);
    }
  }
  void soundsHaveTheirBitAndPartner() {
    QFETCH(QString, sound);
    QFETCH(int, bit);
    QFETCH(QString, partner);
    QCOMPARE(SoundBit(sound), bit);
    QCOMPARE(Partner(sound), partner);
  }

  void theGapIsTheMarkedChosenSoundAtAChosenPlace_data() {
    QTest::addColumn<QString>("podzial");
    QTest::addColumn<int>("flagi");
    QTest::addColumn<int>("gloski");
    QTest::addColumn<int>("pozycja");
    QTest::addColumn<QString>("task");  // gap:right/wrong
    QTest::newRow("hushing initial") << "_sz,a,f,a," << 0x101 << 17 << 0x100 << "0:sz/s";
    QTest::newRow("hissing medial") << "k,a,_s,a," << 0x210 << 17 << 0x300 << "2:s/sz";
    QTest::newRow("rz medial") << "m,o,_rz,e," << 0x202 << 34 << 0x200 << "2:rz/z";
    QTest::newRow("second marked token") << "_s,u,_sz,a," << 0x211 << 1 << 0x200 << "2:sz/s";
    QTest::newRow("other place") << "_sz,a,f,a," << 0x101 << 17 << 0x200 << "none";
    QTest::newRow("sound not chosen") << "_sz,a,f,a," << 0x101 << 34 << 0x100 << "none";
    QTest::newRow("word not flagged") << "_sz,a,f,a," << 0x100 << 17 << 0x100 << "none";
    QTest::newRow("nothing marked") << "sz,a,f,a," << 0x101 << 17 << 0x100 << "none";
    // Hearing cannot tell these gaps.
    QTest::newRow("devoiced at the end") << "w,ó,_z," << 0x420 << 34 << 0x400 << "none";
    QTest::newRow("devoiced before k") << "ł,y,_ż,k,a," << 0x202 << 34 << 0x200 << "none";
    QTest::newRow("rz after t") << "t,_rz,y," << 0x202 << 34 << 0x200 << "none";
    QTest::newRow("voiced before b") << "l,i,_cz,b,a," << 0x204 << 68 << 0x200 << "none";
  }
  void theGapIsTheMarkedChosenSoundAtAChosenPlace() {
    QFETCH(QString, podzial);
    QFETCH(int, flagi);
    QFETCH(int, gloski);
    QFETCH(int, pozycja);
    QFETCH(QString, task);
    const Task t = TaskFor(Word("w", podzial, flagi), quint16(gloski), quint16(pozycja));
    QCOMPARE(t.gap < 0 ? QStringLiteral("none") : QStringLiteral("%1:%2/%3").arg(t.gap).arg(t.right, t.wrong), task);
  }

  void aGameDrawsBothKindsInTurnAndMinimalPairsTogether_data() {
    QTest::addColumn<int>("gloski");
    QTest::addColumn<int>("pozycja");
    QTest::addColumn<int>("poziom");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<int>("playable");  // words with a task, whatever the level
    QTest::newRow("fewer words than tasks") << 17 << 0x100 << 1 << Values{0} << "szafa:s sowa:sz szyba:s sok:sz" << 4;
    QTest::newRow("pair brought in") << 17 << 0x300 << 1 << Values{0, 1} << "kasza:s kasa:sz szafa:s sowa:sz szyba:s" << 6;
    QTest::newRow("pair spells the wrong tile") << 2 << 0x600 << 1 << Values{0} << "morze:z moze:rz" << 2;
    QTest::newRow("half a pair chooses it") << 16 << 0x200 << 3 << Values{1} << "kasza:s kasa:sz" << 2;
    QTest::newRow("pair mid-game") << 1 << 0x300 << 1 << Values{1, 1, 2, 0} << "szafa:s sowa:sz szyba:s kasa:sz kasza:s" << 6;
    QTest::newRow("one kind only") << 4 << 0x100 << 1 << Values{0} << "czapka:c" << 1;
    QTest::newRow("no level") << 17 << 0x100 << 0 << Values{0} << "" << 4;
    QTest::newRow("no position") << 17 << 0 << 1 << Values{0} << "" << 0;
  }
  void aGameDrawsBothKindsInTurnAndMinimalPairsTogether() {
    QFETCH(int, gloski);
    QFETCH(int, pozycja);
    QFETCH(int, poziom);
    QFETCH(Values, values);
    QFETCH(QString, drawn);
    QFETCH(int, playable);
    CUstGry settings(QStringLiteral("Uzupelnianie"));
    settings.gloski = qint16(gloski);
    settings.pozycja = qint16(pozycja);
    settings.poziom = qint16(poziom);
    QCOMPARE(Drawn(Choose(kCatalogue, settings, Scripted(values))), drawn);
    QCOMPARE(Playable(kCatalogue, settings), playable);
  }

  void answersSolveOrMoveTheRightTileInOnTheSecondWrongTry_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("outcomes");
    QTest::addColumn<QString>("counts");
    // r right tile, w wrong one, > next, < previous; - ignored, R right,
    // W wrong, L wrong and the right tile moved in. Counts right:wrong, all
    // solved.
    QTest::newRow("right") << "r" << "R" << "1:0";
    QTest::newRow("wrong then right") << "wr" << "WR" << "1:1";
    QTest::newRow("second wrong try") << "wwr" << "WL-" << "0:2";
    QTest::newRow("both solved") << "r>wwr" << "RWL-" << "1:2 all";
    QTest::newRow("tries stay with the task") << "w>w<wr" << "WWL-" << "0:3";
    QTest::newRow("no moving past the ends") << "<r>>r" << "RR" << "2:0 all";
  }
  void answersSolveOrMoveTheRightTileInOnTheSecondWrongTry() {
    QFETCH(QString, script);
    QFETCH(QString, outcomes);
    QFETCH(QString, counts);
    Rules rules({TaskFor(kCatalogue[0], 17, 0x200), TaskFor(kCatalogue[1], 17, 0x200)});
    QString did;
    for (QChar step : script) {
      if (step == u'>') rules.Next();
      if (step == u'<') rules.Previous();
      const Task* task = rules.CurrentTask();
      if (step != u'r' && step != u'w') continue;
      did += QStringLiteral("-RWL")[int(rules.Answer(step == u'r' ? task->right : task->wrong))];
    }
    QCOMPARE(did, outcomes);
    const QString all = rules.AllSolved() ? QStringLiteral(" all") : QString();
    QCOMPARE(QStringLiteral("%1:%2").arg(rules.Correct()).arg(rules.Wrong()) + all, counts);
  }
};

QTEST_GUILESS_MAIN(FillingRulesTest)
#include "tst_filling_rules.moc"
