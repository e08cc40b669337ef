#pragma once

#include <QString>
#include <vector>

// A word's segmentation: the written word cut into phonemes as they are
// written, every token followed by a comma, "_" before the practised sound
// ("_sz,k,o,ł,a," is "sz" marked, then "k", "o", "ł", "a"). The labelling
// game makes one tile per token; the word lists store it in this form.
namespace words {

struct Token {
  QString phoneme;      // as written, without the marker
  bool marked = false;  // the practised sound: its tile has its own artwork

  bool operator==(const Token&) const = default;
};

// The labelling board's cut, which never refuses: a token ends at a comma or
// at the end of the text, so a missing final comma changes nothing; empty
// tokens (two commas in a row, a lone "_") give no phoneme.
std::vector<Token> ScanSegmentation(const QString& podzial);

// Why a stored segmentation is refused; the checks run in this order, token
// by token for the middle two.
enum class SegmentationFault {
  None,
  NoFinalComma,   // the last token is not followed by a comma (an empty text too)
  EmptyToken,     // two commas in a row, a leading comma, or a bare "_"
  NotLetters,     // a token holds something other than letters after its marker
  NothingMarked,  // no token is the practised sound
};

// Which letters a token may hold: any, or no capitals (the asset sources).
enum class Letters { Any, LowercaseOnly };

struct CheckedSegmentation {
  std::vector<Token> tokens;  // every token, in order; empty when refused
  SegmentationFault fault = SegmentationFault::None;
  QString badToken;           // the refused token as written, marker included
};

// The strict reading of a segmentation that a word list stores: the rules of
// the format above with nothing to skip, and at least one token marked.
CheckedSegmentation CheckSegmentation(const QString& podzial, Letters letters = Letters::Any);

// The word the tokens spell: their phonemes joined in order.
QString Spelling(const std::vector<Token>& tokens);

}  // namespace words
