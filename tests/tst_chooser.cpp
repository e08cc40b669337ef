// The child chooser shown at start while profiles exist: where its buttons
// go, where the arrow keys lead, and the screen itself with its pictures.
#include <QtTest>

#include "screens/KtoCwiczy.h"
#include "widgets/chooserlayout.h"
#include "shell/_cblad.h"
#include "support/program.h"
#include "support/programdir.h"

using chooser::Direction;

namespace {

// The children's area of the 800 x 600 screen, its smallest.
const QRect kSmallArea(40, 114, 720, 372);
constexpr int kSmallMax = 192;
constexpr int kGap = 16;

std::vector<profiles::Profile> Children(const QStringList& names, const QStringList& pictures = {}) {
  std::vector<profiles::Profile> children;
  for (int i = 0; i < names.size(); ++i) {
    children.push_back({names[i], QStringLiteral("Profile/") + names[i], pictures.value(i)});
  }
  return children;
}

}  // namespace

class ChooserTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void everyCountFitsItsAreaInEqualButtonsLargeEnoughToPress_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("maxWidth");
    QTest::newRow("800x600") << kSmallArea << kSmallMax;
    QTest::newRow("1024x768") << QRect(51, 145, 921, 476) << 245;
  }
  void everyCountFitsItsAreaInEqualButtonsLargeEnoughToPress() {
    QFETCH(QRect, area);
    QFETCH(int, maxWidth);
    for (int n = 1; n <= chooser::kPerPage; ++n) {
      const chooser::Grid grid = chooser::LayoutGrid(n, area, maxWidth, kGap);
      QCOMPARE(int(grid.cells.size()), n);
      for (int i = 0; i < n; ++i) {
        const QRect& c = grid.cells[size_t(i)];
        QVERIFY2(area.contains(c), qPrintable(QStringLiteral("%1 buttons: #%2 outside").arg(n).arg(i)));
        QCOMPARE(c.size(), grid.cells[0].size());
        QVERIFY(c.width() <= maxWidth);
        // A picture and a name a small hand can hit.
        QVERIFY2(c.width() >= area.width() / 7, qPrintable(QStringLiteral("%1 buttons too small").arg(n)));
        for (int j = 0; j < i; ++j) QVERIFY(!c.intersects(grid.cells[size_t(j)]));
      }
    }
  }

  void aFewChildrenStandInOneRowAndAShortLastRowIsCentred() {
    const chooser::Grid three = chooser::LayoutGrid(3, kSmallArea, kSmallMax, kGap);
    QCOMPARE(three.rows, 1);
    QCOMPARE(three.cells[0].width(), kSmallMax);

    const chooser::Grid five = chooser::LayoutGrid(5, kSmallArea, kSmallMax, kGap);
    QCOMPARE(five.columns, 3);
    QCOMPARE(five.rows, 2);
    const int lastRowCentre = (five.cells[3].left() + five.cells[4].right()) / 2;
    QVERIFY(qAbs(lastRowCentre - kSmallArea.center().x()) <= 1);
    QVERIFY(five.cells[3].top() > five.cells[0].bottom());
  }

  void nothingIsLaidOutForNoButtonsTooManyOrNoRoom() {
    QVERIFY(chooser::LayoutGrid(0, kSmallArea, kSmallMax, kGap).cells.empty());
    QVERIFY(chooser::LayoutGrid(chooser::kPerPage + 1, kSmallArea, kSmallMax, kGap).cells.empty());
    QVERIFY(chooser::LayoutGrid(4, QRect(0, 0, 20, 10), kSmallMax, kGap).cells.empty());
  }

  void aNameIsShownWholeOnOneLineOrTwoAtAReadableSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("fits");
    // Every letter half as wide as the size is tall.
    QTest::newRow("short, largest") << QStringLiteral("Ola") << 200 << QStringList{"Ola"} << 40 << true;
    QTest::newRow("a word shrinks before it breaks") << QString::fromUtf8("Bartłomiej") << 170 << QStringList{QString::fromUtf8("Bartłomiej")} << 34 << true;
    QTest::newRow("two lines between words") << QStringLiteral("Ania Maria") << 100 << QStringList{"Ania", "Maria"} << 40 << true;
    QTest::newRow("thirty letters, even lines")
        << QStringLiteral("Aleksandra Maria Kowalska-Nowa") << 200 << QStringList{"Aleksandra Maria", "Kowalska-Nowa"} << 25
        << true;
    QTest::newRow("one long word is broken")
        << QString::fromUtf8("Konstantynopolitańczykowianeczka") << 200 << QStringList{"Konstantynopolit", QString::fromUtf8("ańczykowianeczka")} << 25
        << true;
    QTest::newRow("no room: the smallest, cut") << QString::fromUtf8("Bartłomiej") << 20 << QStringList{QString::fromUtf8("Bartł"), "omiej"} << 14
        << false;
  }
  void aNameIsShownWholeOnOneLineOrTwoAtAReadableSize() {
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(QStringList, lines);
    QFETCH(int, pixels);
    QFETCH(bool, fits);
    const chooser::NameLines got = chooser::FitName(name, width, 110, 40, 14,
                                                    [](const QString& text, int px) { return int(text.size()) * px / 2; });
    QCOMPARE(got.lines, lines);
    QCOMPARE(got.pixels, pixels);
    QCOMPARE(got.fits, fits);
    QVERIFY(chooser::LineHeight(got.pixels) * got.lines.size() <= 110);
  }

  void arrowsLeadToTheButtonThatLiesThatWay() {
    // Three over two, and the wide default button under them.
    std::vector<QRect> b = chooser::LayoutGrid(5, kSmallArea, kSmallMax, kGap).cells;
    b.push_back(QRect(288, 510, 224, 57));
    const int guest = 5;
    QCOMPARE(chooser::Neighbour(b, 0, Direction::Right), 1);
    QCOMPARE(chooser::Neighbour(b, 2, Direction::Right), -1);  // rows do not wrap
    QCOMPARE(chooser::Neighbour(b, 0, Direction::Left), -1);
    QCOMPARE(chooser::Neighbour(b, 1, Direction::Down), 3);  // overlapping columns first
    QCOMPARE(chooser::Neighbour(b, 2, Direction::Down), 4);
    QCOMPARE(chooser::Neighbour(b, 0, Direction::Up), -1);
    QCOMPARE(chooser::Neighbour(b, 4, Direction::Down), guest);
    QCOMPARE(b[size_t(chooser::Neighbour(b, guest, Direction::Up))].top(), b[3].top());
    QCOMPARE(chooser::Neighbour(b, guest, Direction::Down), -1);
  }

  void eachChildGetsAButtonAndAMissingOrBrokenPictureOnlyLosesThePicture() {
    testing::ProgramDir dir;
    const session::Session state = testing::SessionIn(dir.Path(), 1);
    dir.WriteJpeg("Data/Intf/Spec/mT_Kto_s.xji", 800, 600);
    dir.WriteJpeg("Data/Sio/sszalik.xji", 80, 100);
    dir.Write("Data/Sio/szepsuty.xji", "\xFF\xD8\xFF\xE0 not a picture");
    TfmKtoCwiczy screen(state, Children({"Ala", "Bartek", "Celina", "Dawid"}, {"szalik", "zepsuty", "brak", "../Sio/sszalik"}),
                        nullptr);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QVERIFY(screen.MaObrazek(0));
    QVERIFY(!screen.MaObrazek(1));
    QVERIFY(!screen.MaObrazek(2));
    QVERIFY(!screen.MaObrazek(3));  // a key is a name, never a path
    for (int i = 0; i < 4; ++i) QVERIFY(screen.PrzyciskDziecka(i) && screen.PrzyciskDziecka(i)->isVisible());
    QVERIFY(!screen.PrzyciskDziecka(4));
    QVERIFY(screen.PrzyciskGosc()->isVisible());
    QVERIFY(!screen.PrzyciskWstecz()->isVisible() && !screen.PrzyciskDalej()->isVisible());
    QTest::mouseClick(screen.PrzyciskDziecka(1), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(screen.Wybor(), 1);
    QVERIFY(!screen.isVisible());
  }

  void arrowKeysMoveTheHighlightEnterPressesItEscapeLeaves() {
    testing::ProgramDir dir;
    const session::Session state = testing::SessionIn(dir.Path(), 2);
    dir.WriteJpeg("Data/Intf/Spec/mT_Kto_b.xji", 1024, 768);
    {
      TfmKtoCwiczy screen(state, Children({"Ala", "Bartek", "Celina"}), nullptr);
      screen.show();
      QCOMPARE(screen.Fokus(), 0);
      QTest::keyClick(&screen, Qt::Key_Right);
      QTest::keyClick(&screen, Qt::Key_Right);
      QCOMPARE(screen.Fokus(), 2);
      QTest::keyClick(&screen, Qt::Key_Left);
      QTest::keyClick(&screen, Qt::Key_Return);
      QCOMPARE(screen.Wybor(), 1);
    }
    {
      TfmKtoCwiczy screen(state, Children({"Ala", "Bartek", "Celina"}), nullptr);
      screen.show();
      QTest::keyClick(&screen, Qt::Key_Down);
      QCOMPARE(screen.Fokus(), int(TfmKtoCwiczy::kFokusGosc));
      QTest::keyClick(&screen, Qt::Key_Enter);
      QCOMPARE(screen.Wybor(), int(TfmKtoCwiczy::kGosc));
    }
    {
      TfmKtoCwiczy screen(state, Children({"Ala"}), nullptr);
      screen.show();
      QTest::keyClick(&screen, Qt::Key_Escape);
      QCOMPARE(screen.Wybor(), int(TfmKtoCwiczy::kWyjscie));
      QVERIFY(!screen.isVisible());
    }
  }

  void aThirteenthChildIsOnTheNextPage() {
    testing::ProgramDir dir;
    const session::Session state = testing::SessionIn(dir.Path(), 1);
    dir.WriteJpeg("Data/Intf/Spec/mT_Kto_s.xji", 800, 600);
    QStringList names;
    for (int i = 0; i < 13; ++i) names << QStringLiteral("Dziecko %1").arg(QChar('A' + i));
    TfmKtoCwiczy screen(state, Children(names), nullptr);
    screen.show();
    QCOMPARE(screen.LiczbaStron(), 2);
    QVERIFY(screen.PrzyciskDziecka(11) && !screen.PrzyciskDziecka(12));
    QVERIFY(!screen.PrzyciskWstecz()->isVisible());
    QTest::mouseClick(screen.PrzyciskDalej(), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(screen.Strona(), 1);
    QVERIFY(screen.PrzyciskDziecka(0) && !screen.PrzyciskDziecka(1));
    QVERIFY(screen.PrzyciskWstecz()->isVisible() && !screen.PrzyciskDalej()->isVisible());
    QTest::mouseClick(screen.PrzyciskDziecka(0), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(screen.Wybor(), 12);
  }

  void missingBackgroundIsMessage1() {
    testing::ProgramDir dir;
    const session::Session state = testing::SessionIn(dir.Path(), 1);
    try {
      TfmKtoCwiczy screen(state, Children({"Ala"}), nullptr);
      QFAIL("made without its background");
    } catch (const CBlad& e) {
      QCOMPARE(int(e.code), 1);
    }
  }
};

QTEST_MAIN(ChooserTest)
#include "tst_chooser.moc"
