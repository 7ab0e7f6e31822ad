#pragma once
// Shortening a line of text to the width of a label, as the progress
// windows of the move and the search do.

#include <functional>
#include <string>
#include <string_view>

namespace lrv {

// Measures the width in pixels of a UTF-8 text in the label's font.
using TextMeasure = std::function<int(std::string_view utf8)>;

// A blank text comes back unchanged. Otherwise, while the text is wider
// than `width` and at least 4 characters long, its last three characters
// are dropped; when any were dropped and the rest fits, "..." is appended.
// (The result may thus exceed the width by the dots, or still be too wide
// when fewer than 4 characters were left.) Characters are Unicode
// characters of the UTF-8 text, never parts of one.
std::string FitTextToWidth(std::string_view utf8, int width, const TextMeasure& measure);

}  // namespace lrv
