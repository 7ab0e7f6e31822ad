#pragma once
// The articles' text size lives in the style sheet "css.css" of BaseDir:
// its first line names the base size, and every line that sets a
// "font-size" repeats that number. The two font-size commands step the
// number by one in all those lines; the browser then reloads the page.

#include <string>
#include <string_view>
#include <vector>

#include "base/paths.h"

namespace lrv {
class Disk;
}

namespace lrv::viewer {

// The digits of `text` in their order, or "-1" when it has none.
std::string DigitsOf(std::string_view text);
// The base size: the digits of line 1, else of line 2; -1 when the sheet
// has fewer than two lines or the number does not fit.
int ReadFontSize(const std::vector<std::string>& lines);
// In every line containing "font-size" (any case), the first `oldSize`
// becomes `newSize`.
void ReplaceFontSize(std::vector<std::string>& lines, int oldSize, int newSize);
// The next size: one up or down; 0 is never written (8 instead).
int NextFontSize(int oldSize, bool up);

// Both commands are enabled when the sheet exists on a fixed disk.
bool FontSizeCanChange(const Dirs& dirs, Disk& disk);
// StepFontSize: reads the sheet, steps the size and writes the sheet back
// crash-safe (IoError on failure). Returns whether it wrote; the caller
// then refreshes the page.
bool StepFontSize(const Dirs& dirs, Disk& disk, bool up);

}  // namespace lrv::viewer
