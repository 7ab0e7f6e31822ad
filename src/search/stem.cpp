#include "search/stem.h"

#include "base/text.h"

namespace lrv {
namespace {

// Each list is one literal text and a piece "occurs" in it when it is a
// substring of that text. The spaces between the items are part of the
// texts on purpose: a piece of a stemmed phrase that holds a space can match
// a separator, which is how a space left at the front of a phrase goes away.
struct StemLists {
  std::string vowels = text::Ansi("аеёиоуыэюяaeiou");
  std::string finalLetters = text::Ansi("й ь s");
  std::string threeLetterEndings = text::Ansi("енн овл евл ённ анн ост ест");
  std::string twoLetterEndings = text::Ansi(
      "ам ям ом ем ин ём ся ет ит ут ют ат ят ыв ив ев ан ян ов ев ог ег ир ер ых ок ющ ущ er ed");
  std::string fourLetterPrefix = text::Ansi("пере");
  std::string threeLetterPrefixes = text::Ansi("при рас пре про под");
  std::string twoLetterPrefixes = text::Ansi("на за ис из до по вы во со");
  std::string oneLetterPrefixes = text::Ansi("в с");
  std::string reflexive = text::Ansi("ся");
};

const StemLists& Lists() {
  static const StemLists lists;
  return lists;
}

bool OccursIn(std::string_view piece, std::string_view listText) {
  return listText.find(piece) != std::string_view::npos;
}

// The stem being cut: a window onto the lowered word. Every step only
// shortens it at one end, so no step copies anything.
class Stem {
 public:
  explicit Stem(std::string_view w) : w_(w) {}
  std::string_view View() const { return w_; }

  void RunSteps() {
    const StemLists& l = Lists();
    CutReflexive(l);                                                  // 1
    if (Length() > 4 && w_.ends_with("ing")) CutEnd(3);               // 2
    CutTrailingVowels(l);                                             // 3
    if (Length() > 3 && OccursIn(w_.substr(Length() - 1), l.finalLetters)) CutEnd(1);  // 4
    CutReflexive(l);                                                  // 5
    // 6: the first letter of the ending stays; step 8 deals with it.
    while (Length() > 3 && OccursIn(w_.substr(Length() - 3), l.threeLetterEndings)) CutEnd(2);
    while (Length() > 3 && OccursIn(w_.substr(Length() - 2), l.twoLetterEndings)) CutEnd(2);  // 7
    CutTrailingVowels(l);                                             // 8
    if (Length() > 4 && w_.starts_with(l.fourLetterPrefix)) CutFront(4);                  // 9
    if (Length() > 3 && OccursIn(w_.substr(0, 3), l.threeLetterPrefixes)) CutFront(3);    // 10
    if (Length() > 2 && OccursIn(w_.substr(0, 2), l.twoLetterPrefixes)) CutFront(2);      // 11
    if (Length() > 1 && OccursIn(w_.substr(0, 1), l.oneLetterPrefixes)) CutFront(1);      // 12
  }

 private:
  size_t Length() const { return w_.size(); }
  void CutEnd(size_t n) { w_.remove_suffix(n); }
  void CutFront(size_t n) { w_.remove_prefix(n); }

  void CutReflexive(const StemLists& l) {
    if (Length() > 3 && w_.ends_with(l.reflexive)) CutEnd(2);
  }
  // Only the start is guarded by the length: a word of vowels alone
  // becomes empty.
  void CutTrailingVowels(const StemLists& l) {
    if (Length() <= 3) return;
    while (!w_.empty() && OccursIn(w_.substr(Length() - 1), l.vowels)) CutEnd(1);
  }

  std::string_view w_;
};

}  // namespace

std::string StemWord(std::string_view word) {
  const std::string lowered = text::Lower(text::Trim(word));
  Stem stem(lowered);
  stem.RunSteps();
  stem.RunSteps();
  return std::string(stem.View());
}

}  // namespace lrv
