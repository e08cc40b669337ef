#include "screens/Komunikat.h"

#include <QCursor>
#include <QLabel>

#include "platform/jpeg.h"
#include "shell/palette.h"
#include "shell/_cblad.h"
#include "widgets/_cprzycisk.h"

namespace {
const QColor kKolorTekstu(20, 20, 20);
}  // namespace

TfmKomunikat::TfmKomunikat(const session::ContentRoot& content, QWidget* owner) : owner_(owner), content_(content) {
  SetBorderless();
  SetClientSize(kWidth, kHeight);
  SetRoundedShape(QRect(0, 0, kWidth, kHeight), 25, 25);
  QImage picture;
  try {
    // A file that is there but does not decode is as missing as no file.
    picture = platform::LoadJpegFile(content_.Path(QStringLiteral("Intf/Spec/mKom_kp.xji")));
  } catch (const platform::Exception&) {
    throw CBlad(1);
  }
  tlo_.Resize(QSize(kWidth, kHeight));
  tlo_.Draw(0, 0, picture);

  A_Stop.OnExecute = [this](QObject*) { Close(); };
  // Raises CBlad(1) itself; nothing else has been made that is not freed
  // with this window.
  stop_ = std::make_unique<CPrzyciskP>(content_, this, QStringLiteral("stop"), &WindowCanvas(), &tlo_, kWidth / 2 - 30,
                                       kHeight - 100, A_Stop);

  vL_Komunikat = new QLabel(this);
  vL_Komunikat->setGeometry(18, 59, 385, 97);
  vL_Komunikat->setAlignment(Qt::AlignCenter);
  vL_Komunikat->setWordWrap(true);
  vL_Komunikat->setFont(palette::PixelFont(palette::kHeavyFaces, 16, true));
  vL_Komunikat->setAttribute(Qt::WA_TranslucentBackground);
  // Dark on the light panel, whatever the desktop's theme.
  platform::SetTextColour(vL_Komunikat, kKolorTekstu);
  // A press on the text drags the panel like a press on its body.
  vL_Komunikat->setAttribute(Qt::WA_TransparentForMouseEvents);
}

TfmKomunikat::~TfmKomunikat() = default;

QString TfmKomunikat::MessageText(int code) {
  switch (code) {
    case 1: return QStringLiteral("Proszę wybrać większą liczbę głosek.");
    case 2: return QStringLiteral("Proszę wybrać większą liczbę pozycji głosek.");
    case 3: return QStringLiteral("Proszę wybrać większą liczbę głosek lub pozycji.");
    case 10: return QStringLiteral("Proszę wybrać pozycję i wprowadzić nazwę nagrania.");
    case 11: return QStringLiteral("Proszę wprowadzić nazwę dla nagrania.");
    case 20: return QStringLiteral("Proszę wybrać pozycję do odtworzenia.");
    case 21: return QStringLiteral("Brak nagrania dla wybranej pozycji.");
    default: return QStringLiteral("Błąd.");
  }
}

void TfmKomunikat::SetMessage(int code) { vL_Komunikat->setText(MessageText(code)); }

void TfmKomunikat::FormShow() { CenterOver(owner_); }

void TfmKomunikat::FormPaint() { WindowCanvas().Draw(0, 0, tlo_.Image()); }

void TfmKomunikat::FormMouseDown(platform::MouseButton button, int, int, int) {
  if (button == platform::MouseButton::Left) BeginWindowDrag(QCursor::pos());
}
