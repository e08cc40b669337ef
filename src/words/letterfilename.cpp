#include "words/letterfilename.h"

#include <QStringView>

QString LetterFileName(const QString& text) {
  struct Entry {
    const char16_t* letter;
    const char* stem;
  };
  static constexpr Entry kTable[] = {
      {u"dż", "dzz"}, {u"dź", "dzzz"}, {u"ż", "zz"}, {u"ź", "zzz"}, {u"ó", "oo"}, {u"ł", "ll"},
      {u"ć", "cc"},   {u"ś", "ss"},    {u"ń", "nn"}, {u"ę", "ee"},  {u"ą", "aa"},
  };
  for (const Entry& e : kTable) {
    if (text == QStringView(e.letter)) return QString::fromLatin1(e.stem);
  }
  return text;
}
