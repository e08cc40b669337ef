#include "resultswindow/resultsstyle.h"

#include <QHash>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>

#include "shell/palette.h"

namespace resultswindow {

namespace {

// Each "@name" stands for a colour of the palette.
const char kStyle[] = R"(
ResultsWindow { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @sky, stop:1 @skyPale); }
QLabel { color: @ink; }
QLabel#title { color: @blueDeep; }
QFrame#panel { background: @cream; border: 3px solid @yellowDeep; border-radius: 14px; }
QFrame#panel QLabel { background: transparent; }
QLabel#notice { border-radius: 10px; padding: 6px 10px; }
QLabel#notice[kind="error"] { background: @coralPale; border: 2px solid @coral; }
QLabel#notice[kind="warning"] { background: @yellowPale; border: 2px solid @yellowDeep; }
QLabel#notice[kind="info"] { background: @skyWash; border: 2px solid @sky; }
QLabel#problem { color: @red; }
QLabel#light { color: @coral; font-weight: bold; }
QTabWidget::pane { border: none; }
QTabBar::tab { background: @skyPale; color: @blueDeep; font-weight: bold; border: 2px solid @skyRim; border-bottom: none;
               border-top-left-radius: 10px; border-top-right-radius: 10px; padding: 4px 18px; margin-right: 4px; }
QTabBar::tab:selected { background: @cream; border-color: @yellowDeep; }
QListWidget, QLineEdit { background: white; color: @ink; border: 2px solid @skyRim; border-radius: 8px; }
QLineEdit { padding: 2px 6px; min-height: 22px; }
QListWidget::item { padding: 2px; }
QListWidget::item:selected { background: @yellow; color: @ink; border-radius: 6px; }
QTableView#games { background: white; alternate-background-color: @cream; gridline-color: @greyPale;
             selection-background-color: @yellow; selection-color: @ink; color: @ink;
             border: 2px solid @skyRim; border-radius: 8px; }
QTableView#games QHeaderView::section { background: @skyPale; color: @ink; font-weight: bold; padding: 4px 6px;
                       border: none; border-right: 1px solid @skyRim; border-bottom: 1px solid @skyRim; }
QComboBox, QDateEdit { background: white; color: @ink; border: 2px solid @skyRim; border-radius: 8px;
                       padding: 2px 6px; min-height: 22px; }
QPushButton { background: @blue; color: white; font-weight: bold; border: 2px solid @blueDeep;
              border-radius: 12px; padding: 5px 14px; }
QPushButton:hover { background: @blueLight; }
QPushButton:pressed { background: @blueDeep; }
QPushButton:disabled { background: @grey; border-color: @greyDeep; }
QPushButton#close { background: @coral; border-color: @coralDeep; }
QPushButton#close:hover, QPushButton#danger:hover { background: @coralLight; }
QPushButton#danger { background: @coral; border-color: @coralDeep; }
QPushButton#danger:disabled { background: @coralGrey; border-color: @coralGreyDeep; }
QPushButton#reset { background: white; color: @blueDeep; border-color: @skyRim; }
QPushButton#reset:disabled { color: @greyDeep; border-color: @greyLight; }
QSplitter::handle { background: transparent; }
)";

}  // namespace

QFont ResultsFont(qreal pointSize, bool bold) { return palette::PointFont(palette::kReadingFaces, pointSize, bold); }

QString StyleSheet() {
  using namespace palette;
  static const QHash<QString, QColor> kColours = {
      {"ink", kInk},
      {"cream", kCream},
      {"yellow", kYellow}, {"yellowDeep", kYellowDeep}, {"yellowPale", kYellowPale},
      {"coral", kCoral}, {"coralLight", kCoralLight}, {"coralDeep", kCoralDeep}, {"coralPale", kCoralPale},
      {"red", kRed},
      {"blue", kBlue}, {"blueLight", kBlueLight}, {"blueDeep", kBlueDeep},
      {"sky", kSky}, {"skyRim", kSkyRim}, {"skyPale", kSkyPale}, {"skyWash", kSkyWash},
      {"greyPale", kGreyPale}, {"greyLight", kGreyLight}, {"grey", kGrey}, {"greyDeep", kGreyDeep},
      {"coralGrey", kCoralGrey}, {"coralGreyDeep", kCoralGreyDeep}};
  const QString text = QString::fromLatin1(kStyle);
  static const QRegularExpression kName(QStringLiteral("@(\\w+)"));
  QString style;
  qsizetype done = 0;
  for (const QRegularExpressionMatch& m : kName.globalMatch(text)) {
    // A name the palette lacks stays as it is: the sheet then says where.
    const auto colour = kColours.constFind(m.captured(1));
    style += text.mid(done, m.capturedStart() - done) + (colour != kColours.cend() ? colour->name() : m.captured(0));
    done = m.capturedEnd();
  }
  return style + text.mid(done);
}

void SetNotice(QLabel* notice, const QString& text, const char* kind) {
  // Notices quote file and children's names: never markup.
  notice->setTextFormat(Qt::PlainText);
  notice->setText(text);
  notice->setProperty("kind", QString::fromLatin1(kind));
  // The style sheet reads the property only when the widget is polished anew.
  notice->style()->unpolish(notice);
  notice->style()->polish(notice);
  notice->setVisible(!text.isEmpty());
}

}  // namespace resultswindow
