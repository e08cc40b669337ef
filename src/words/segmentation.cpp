#include "words/segmentation.h"

#include <QStringList>

namespace words {

namespace {

Token Cut(const QString& field) {
  Token token;
  token.marked = field.startsWith(QLatin1Char('_'));
  token.phoneme = token.marked ? field.mid(1) : field;
  return token;
}

bool HasOnlyLetters(const QString& text, Letters letters) {
  for (QChar c : text) {
    if (!c.isLetter() || (letters == Letters::LowercaseOnly && c.isUpper())) return false;
  }
  return true;
}

CheckedSegmentation Refused(SegmentationFault fault, const QString& field = QString()) {
  CheckedSegmentation result;
  result.fault = fault;
  result.badToken = field;
  return result;
}

}  // namespace

std::vector<Token> ScanSegmentation(const QString& podzial) {
  std::vector<Token> tokens;
  for (const QString& field : podzial.split(QLatin1Char(','))) {
    Token token = Cut(field);
    // A tile with no text would make its slot look empty.
    if (!token.phoneme.isEmpty()) tokens.push_back(std::move(token));
  }
  return tokens;
}

CheckedSegmentation CheckSegmentation(const QString& podzial, Letters letters) {
  if (!podzial.endsWith(QLatin1Char(','))) return Refused(SegmentationFault::NoFinalComma);
  QStringList fields = podzial.split(QLatin1Char(','));
  fields.removeLast();  // the empty field after the final comma
  CheckedSegmentation result;
  bool anyMarked = false;
  for (const QString& field : fields) {
    Token token = Cut(field);
    if (token.phoneme.isEmpty()) return Refused(SegmentationFault::EmptyToken, field);
    if (!HasOnlyLetters(token.phoneme, letters)) return Refused(SegmentationFault::NotLetters, field);
    anyMarked = anyMarked || token.marked;
    result.tokens.push_back(std::move(token));
  }
  if (!anyMarked) return Refused(SegmentationFault::NothingMarked);
  return result;
}

QString Spelling(const std::vector<Token>& tokens) {
  QString word;
  for (const Token& token : tokens) word += token.phoneme;
  return word;
}

}  // namespace words
