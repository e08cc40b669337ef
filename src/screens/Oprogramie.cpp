#include "screens/Oprogramie.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QMouseEvent>
#include <QUrl>
#include <functional>

#include "platform/jpeg.h"
#include "platform/system.h"
#include "shell/_cblad.h"
#include "shell/_dllengine.h"
#include "shell/_specfunc.h"
#include "shell/palette.h"
#include "widgets/_cprzycisk.h"

namespace {

const QString kCaption = QString::fromUtf16(kProgramTitle);

// A line of text that runs a handler when clicked: a left press and release
// inside it.
class LinkLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> OnClick;

 protected:
  void mousePressEvent(QMouseEvent* e) override { armed_ = e->button() == Qt::LeftButton; }
  void mouseReleaseEvent(QMouseEvent* e) override {
    const bool click = armed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    armed_ = false;
    if (click && OnClick) OnClick();
  }

 private:
  bool armed_ = false;
};

QFont TextFont(int pixelSize, bool bold) { return palette::PixelFont(palette::kAboutFaces, pixelSize, bold); }

QFont LinkFont() {
  QFont font = palette::PixelFont(palette::kLinkFaces, 11, true);
  font.setUnderline(true);
  return font;
}

// Text drawn over the picture: no ground of its own, and no reaction to the
// mouse unless it is a link.
QLabel* MakeText(QWidget* parent, const QString& text, const QFont& font) {
  auto* label = new QLabel(parent);
  // One line names the statistics folder, which may hold a child's name.
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setFont(font);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  platform::SetTextColour(label, Qt::white);
  label->adjustSize();
  return label;
}

// A centred line in a box of fixed width, as high as the font's line.
QLabel* MakeCentredText(QWidget* parent, const QString& text, const QFont& font, int width) {
  QLabel* label = MakeText(parent, text, font);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  // One line of the font, whatever the text is now (the version is set later).
  label->resize(width, QFontMetrics(font).height());
  return label;
}

LinkLabel* MakeLink(QWidget* parent, const QString& text, std::function<void()> onClick) {
  auto* label = new LinkLabel(text, parent);
  label->setFont(LinkFont());
  label->setAttribute(Qt::WA_TranslucentBackground);
  // The classic link blue is lost on the dark middle of the picture; a
  // lighter blue reads there.
  platform::SetTextColour(label, QColor(120, 180, 255));
  label->setCursor(Qt::PointingHandCursor);
  label->OnClick = std::move(onClick);
  label->adjustSize();
  return label;
}

int CentredLeft(int clientWidth, const QLabel* label) { return clientWidth / 2 - label->width() / 2; }

QString StatsFolderLine(const QString& folder, const QString& programDir) {
  if (folder.isEmpty() || QDir(folder) == QDir(programDir)) {
    return QStringLiteral("w folderze programu.");
  }
  // The home folder as "~", as the manual writes it: the line then fits
  // whatever the user's name is.
  QString path = QDir::cleanPath(QDir(folder).absolutePath());
  const QString home = QDir::homePath();
  if (path == home || path.startsWith(home + QLatin1Char('/'))) path = QLatin1Char('~') + path.mid(home.size());
  return QStringLiteral("w folderze ") + QDir::toNativeSeparators(path);
}

}  // namespace

TfmOProgramie::TfmOProgramie(const session::Session& session, QWidget* owner)
    : owner_(owner), session_(session), statsFolderLine_(StatsFolderLine(session.files.folder, session.services.programDir)) {
  const QFont plain = TextFont(11, false);
  const QFont contact = TextFont(13, true);
  LabelVer = MakeCentredText(this, QString(), plain, 230);
  LabelPrawa1 = MakeText(this, QStringLiteral("Licencja: GNU GPL w wersji 3 lub późniejszej."), plain);
  LabelPrawa2 = MakeText(this, QStringLiteral("Program jest wolnym oprogramowaniem."), plain);
  LabelISBN = MakeCentredText(this, QStringLiteral("Wydanie bez numeru ISBN."), plain, 274);
  // The icons' MIT licence asks for its notice to travel with the pictures.
  LabelIkony = MakeText(this, QStringLiteral("Obrazki: Fluent Emoji (Microsoft), licencja MIT, Data/LICENSE-icons.txt"), plain);
  LabelKontakt = MakeText(this, QStringLiteral("Kontakt:"), plain);
  LabelF1 = MakeText(this, QStringLiteral("Zespół Mini Fonikry"), contact);
  LabelF2 = MakeText(this, QStringLiteral("Program niczego nie wysyła do sieci."), contact);
  LabelF3 = MakeText(this, QStringLiteral("Statystyki gier: plik prgst6.stt"), contact);
  LabelF4 = MakeText(this, statsFolderLine_, contact);
  LabelF5 = MakeText(this, QStringLiteral("Instrukcja i list do nas:"), contact);
  LabelF6 = MakeLink(this, QStringLiteral("Instrukcja programu"), [this] { Label11Click(); });
  LabelF7 = MakeLink(this, QStringLiteral("Napisz do nas"), [this] { Label12Click(); });
  LabelAut = MakeText(this, QStringLiteral("Autorzy programu:"), plain);
  LabelAutList = MakeText(this, QStringLiteral("Zespół Mini Fonikry"), TextFont(11, true));
  LabelAutList->setWordWrap(true);
  LabelAutList->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  LabelAutList->resize(274, 40);

  QImage background;
  QImage logo;
  try {
    background = platform::LoadJpegFile(session_.content.Path(QStringLiteral("Intf/Spec/mT_OPro") + session_.geometry.ArtSuffix() + QStringLiteral(".xji")));
    logo = LoadNamedPicture(session_.content, QStringLiteral("logo"));
  } catch (const platform::Exception&) {
    throw CBlad(1);
  }
  imgLogo = new QLabel(this);
  imgLogo->setPixmap(QPixmap::fromImage(logo));
  imgLogo->setAttribute(Qt::WA_TransparentForMouseEvents);
  imgLogo->resize(logo.size());
  if (session_.geometry.screenMode == 1) {
    imgLogo->move(320, 120);
  } else {
    imgLogo->move(410, 145);
  }

  if (session_.geometry.screenMode == 3) {
    SetBordered(kCaption, false);
  } else {
    SetBorderless();
    setWindowTitle(kCaption);
  }
  SetClientSize(session_.geometry.screenWidth, session_.geometry.screenHeight);
  tlo_.Resize(QSize(session_.geometry.screenWidth, session_.geometry.screenHeight));
  tlo_.Draw(0, 0, background);

  A_Stop.OnExecute = [this](QObject*) { Close(); };
  stop_ = std::make_unique<CPrzyciskP>(session_.content, this, QStringLiteral("stop"), &WindowCanvas(), &tlo_, session_.geometry.screenWidth / 2 - 40,
                                       session_.geometry.screenHeight * 8 / 10, A_Stop);

  LabelVer->setText(QStringLiteral("Mini Fonikra Cz.I, wersja ") + QStringLiteral(FONIKRA_VERSION));
  FormResize();
}

TfmOProgramie::~TfmOProgramie() = default;

QString TfmOProgramie::ManualUrl() const {
  return QUrl::fromLocalFile(session_.content.Path(QStringLiteral("manual.html"))).toString();
}

QString TfmOProgramie::MailUrl() { return QStringLiteral("mailto:?subject=Wiadomosc%20z%20Fonikra"); }

void TfmOProgramie::Label11Click() {
  OpenOrSay(ManualUrl(), QString::fromUtf8("Nie można otworzyć instrukcji programu: na tym komputerze nie ma "
                                            "przeglądarki stron internetowych."));
}

void TfmOProgramie::Label12Click() {
  OpenOrSay(MailUrl(), QString::fromUtf8("Nie można napisać do nas: na tym komputerze nie ma programu "
                                          "pocztowego."));
}

void TfmOProgramie::OpenOrSay(const QString& url, const QString& whyNot) {
  // A link that opens nothing says so instead of doing nothing.
  QPointer<TfmOProgramie> self(this);
  session_.services.openUrl(url, [self, whyNot, box = session_.services.messageBox] {
    box(self, whyNot, QStringLiteral("Informacja"), platform::MessageIcon::Information);
  });
}

void TfmOProgramie::FormResize() {
  const int W = ClientWidth();
  const int H = ClientHeight();
  LabelVer->move(CentredLeft(W, LabelVer), H / 4 + 35);
  LabelPrawa1->move(CentredLeft(W, LabelPrawa1), LabelVer->y() + 24);
  LabelPrawa2->move(CentredLeft(W, LabelPrawa2), LabelPrawa1->y() + 14);
  LabelISBN->move(CentredLeft(W, LabelISBN), LabelPrawa2->y() + 14);
  LabelIkony->move(CentredLeft(W, LabelIkony), LabelISBN->y() + 14);
  // The heading and the contact column together stand about the middle.
  LabelKontakt->move(W / 2 - LabelKontakt->width() / 2 - LabelF1->width() / 2 - 6, LabelIkony->y() + 26);
  LabelF1->move(LabelKontakt->x() + LabelKontakt->width() + 6, LabelKontakt->y());
  QLabel* above = LabelF1;
  for (QLabel* line : {LabelF2, LabelF3, LabelF4, LabelF5, LabelF6, LabelF7}) {
    line->move(LabelF1->x(), above->y() + 16);
    above = line;
  }
  // A long folder keeps its start and its end, and stays on the calm middle
  // of the picture where white text reads.
  const int folderWidth = W * 84 / 100 - LabelF4->x();
  LabelF4->setText(LabelF4->fontMetrics().elidedText(statsFolderLine_, Qt::ElideMiddle, folderWidth));
  LabelF4->adjustSize();
  LabelAut->move(LabelF2->x() - LabelAut->width() - 6, LabelF7->y() + 20);
  LabelAutList->move(LabelAut->x() + LabelAut->width() + 6, LabelAut->y());
}

void TfmOProgramie::FormShow() { CenterOver(owner_); }

void TfmOProgramie::FormPaint() { WindowCanvas().Draw(0, 0, tlo_.Image()); }

void TfmOProgramie::FormKeyPress(int key) {
  if (key == 27) A_Stop.Execute(this);
}
