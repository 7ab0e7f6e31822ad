#include "editing/fit_text.h"

#include "base/text.h"

namespace lrv {
namespace {

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

// Drops the last character (a lead byte and its continuation bytes).
void DropLastCharacter(std::string& utf8) {
  while (!utf8.empty()) {
    const auto c = static_cast<unsigned char>(utf8.back());
    utf8.pop_back();
    if ((c & 0xC0) != 0x80) return;
  }
}

}  // namespace

std::string FitTextToWidth(std::string_view utf8, int width, const TextMeasure& measure) {
  std::string fitted(utf8);
  if (text::Trim(utf8).empty() || !measure) return fitted;
  bool shortened = false;
  while (measure(fitted) > width && CharacterCount(fitted) >= 4) {
    for (int i = 0; i < 3; ++i) DropLastCharacter(fitted);
    shortened = true;
  }
  if (shortened && measure(fitted) <= width) fitted += "...";
  return fitted;
}

}  // namespace lrv
