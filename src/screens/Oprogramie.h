#pragma once

#include <QImage>
#include <QPointer>
#include <memory>

#include "platform/canvas.h"
#include "platform/form.h"
#include "session/session.h"
#include "platform/timer.h"

class QLabel;
class CPrzyciskP;

// The about box: the program's name and version, its licence, how to reach
// the manual and the makers, on the about picture of the screen mode, with a
// "stop" button. Escape closes it like the button.
class TfmOProgramie : public platform::Form {
  Q_OBJECT
 public:
  // Raises CBlad(1) when its background, logo or button cannot be loaded.
  // Shown centred over `owner` (the main menu). `statsFolder` is where the
  // statistics file lies; empty, like the program's own folder, says "the
  // program's folder".
  TfmOProgramie(const session::Session& session, QWidget* owner = nullptr);
  ~TfmOProgramie() override;

  // Lays the labels out for the client size; run after every size change.
  void FormResize();

  // The web link: opens the manual that ships with the content.
  void Label11Click();
  // The mail link: a new message with the subject filled in.
  void Label12Click();

  // Where the two links lead.
  QString ManualUrl() const;
  // Opens the link, or tells the user in a message why nothing opened.
  void OpenOrSay(const QString& url, const QString& whyNot);
  static QString MailUrl();

  platform::Action A_Stop;

  QLabel* imgLogo = nullptr;
  QLabel* LabelVer = nullptr;
  QLabel* LabelPrawa1 = nullptr;
  QLabel* LabelPrawa2 = nullptr;
  QLabel* LabelISBN = nullptr;
  QLabel* LabelIkony = nullptr;  // credit of the word pictures' icon set
  QLabel* LabelKontakt = nullptr;
  QLabel* LabelF1 = nullptr;
  QLabel* LabelF2 = nullptr;
  QLabel* LabelF3 = nullptr;
  QLabel* LabelF4 = nullptr;
  QLabel* LabelF5 = nullptr;
  QLabel* LabelF6 = nullptr;
  QLabel* LabelF7 = nullptr;
  QLabel* LabelAut = nullptr;
  QLabel* LabelAutList = nullptr;

  CPrzyciskP* StopButton() const { return stop_.get(); }

 protected:
  void FormShow() override;
  void FormPaint() override;
  void FormKeyPress(int key) override;

 private:
  QPointer<QWidget> owner_;
  // The line under LabelF3 in full; shortened in the middle to fit.
  const session::Session& session_;
  QString statsFolderLine_;
  platform::Canvas tlo_;
  std::unique_ptr<CPrzyciskP> stop_;
};
