#include "viewer/font_size.h"

#include <climits>
#include <filesystem>

#include "base/files.h"
#include "base/text.h"
#include "platform/disk.h"

namespace lrv::viewer {
namespace {

std::filesystem::path StyleSheet(const Dirs& dirs) { return dirs.BaseFile("css.css"); }

int SizeOfLine(std::string_view line) { return text::StrToInt(DigitsOf(line)).value_or(-1); }

}  // namespace

std::string DigitsOf(std::string_view text) {
  std::string digits;
  for (char c : text)
    if (c >= '0' && c <= '9') digits += c;
  return digits.empty() ? std::string("-1") : digits;
}

int ReadFontSize(const std::vector<std::string>& lines) {
  if (lines.size() < 2) return -1;
  const int first = SizeOfLine(lines[0]);
  return first != -1 ? first : SizeOfLine(lines[1]);
}

void ReplaceFontSize(std::vector<std::string>& lines, int oldSize, int newSize) {
  const std::string from = std::to_string(oldSize);
  const std::string to = std::to_string(newSize);
  for (std::string& line : lines) {
    if (text::Lower(line).find("font-size") == std::string::npos) continue;
    const std::size_t at = line.find(from);
    if (at != std::string::npos) line.replace(at, from.size(), to);
  }
}

int NextFontSize(int oldSize, bool up) {
  // Stepping from -1 or 1 must not reach 0 (a size of nothing).
  const long long next = static_cast<long long>(oldSize) + (up ? 1 : -1);
  if (next == 0) return 8;
  if (next > INT_MAX || next < INT_MIN) return oldSize;
  return static_cast<int>(next);
}

bool FontSizeCanChange(const Dirs& dirs, Disk& disk) {
  return disk.IsOnFixedDisk() && IsRegularFile(StyleSheet(dirs));
}

bool StepFontSize(const Dirs& dirs, Disk& disk, bool up) {
  if (!FontSizeCanChange(dirs, disk)) return false;
  const auto path = StyleSheet(dirs);
  auto lines = ReadLines(path);
  if (!lines) throw IoError(path, "Cannot read file");
  const int oldSize = ReadFontSize(*lines);
  ReplaceFontSize(*lines, oldSize, NextFontSize(oldSize, up));
  MakeWritable(path);
  WriteLinesAtomic(path, *lines);
  return true;
}

}  // namespace lrv::viewer
