// What a frame of the falling game costs at 1024 x 768 with the real
// artwork and words: the rules moved on 16 ms, the pictures redrawn where
// they moved, and the changed rectangles copied out as the window's paint
// copies them; over a simulated minute of play at the fastest pace, with
// nothing caught, so that the air is as full as the rules allow.
#include <QElapsedTimer>
#include <QtTest>
#include <algorithm>
#include <cstdio>

#include "catalogue/_cslowa.h"
#include "games/falling/scene.h"
#include "games/falling/screen.h"
#include "platform/jpeg.h"
#include "support/program.h"
#include "words/random.h"

class FallingBench : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void aSimulatedMinute() {
    testing::ProgramFixture app(2);
    QVERIFY2(app.ready, "the program could not be made: FONIKRA_DATA_DIR must name the build's Data folder");
    const session::ContentRoot content = app.program.state().content;
    CUstGry settings(QStringLiteral("Spadajace"));
    settings.gloski = 1;
    settings.pozycja = 0x0700;
    settings.poziom = 3;
    RandomSeed(7);
    const QRect area = falling::Screen::PlayArea(1024, 768);
    falling::Rules::Setup setup;
    setup.area = QSizeF(area.size());
    setup.picture = falling::Screen::PictureSide(1024);
    setup.fallMs = falling::FallMsForLevel(3, 768);
    setup.gapMs = setup.fallMs / setup.maxInAir;
    setup.rightWanted = 1000;  // a minute without an end
    std::vector<falling::Word> words;
    for (int i = 0; i < 8; ++i) {
      const auto some = falling::Choose(app.program.slowa()->Slownik(), settings, [] { return RandomNext(); });
      words.insert(words.end(), some.begin(), some.end());
    }
    platform::Canvas surface, window;
    surface.Resize(QSize(1024, 768));
    window.Resize(QSize(1024, 768));
    const QImage background = platform::LoadJpegFile(content.Path(QStringLiteral("Intf/Spec/mT_Spa_b1.xji")));
    falling::Scene scene(surface, background, area, falling::Rules(words, setup, [] { return RandomNext(); }),
                         setup.picture, [content](const QString& key) {
                           return platform::LoadJpegFile(content.Path(QStringLiteral("Bio/") + key + QStringLiteral("_mb.xji")));
                         },
                         platform::LoadJpegFile(content.Path(QStringLiteral("Bio/_matr_mb.xji"))));
    scene.DrawAll();
    QElapsedTimer clock;
    qint64 total = 0, longest = 0;
    int frames = 0, pictures = 0;
    for (int ms = 0; ms < 60000; ms += 16) {
      clock.start();
      std::vector<falling::Event> events;
      for (const QRect& r : scene.Frame(16, &events)) window.CopyRect(r, surface, r);
      const qint64 ns = clock.nsecsElapsed();
      total += ns;
      longest = std::max(longest, ns);
      ++frames;
      pictures += int(std::count_if(events.begin(), events.end(), [](const falling::Event& e) { return e.kind == falling::Event::Appeared; }));
    }
    QVERIFY(pictures > 10);
    std::printf("FIGURE falling_frame_mean %.3f ms\n", total / 1e6 / frames);
    std::printf("FIGURE falling_frame_longest %.3f ms\n", longest / 1e6);
    std::printf("FIGURE falling_pictures %d\n", pictures);
  }
};

QTEST_MAIN(FallingBench)
#include "bench_falling.moc"
