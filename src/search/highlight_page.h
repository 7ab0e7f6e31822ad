#pragma once
// The highlighted copy of a found article. It is written as the temporary
// page "_temp_.html" in BaseDir, beside the article files, so the page's
// relative links and pictures still resolve.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/paths.h"

namespace lrv {

inline constexpr std::string_view kTempPageName = "_temp_.html";

// BaseDir + "_temp_.html".
std::filesystem::path TempPagePath(const Dirs& dirs);

// The temporary page and the title of whatever was last written into it
// (Windows-1251; empty at start-up). The main window keeps one; the index
// pages and the highlighter set the title, the viewer shows it in the
// window caption while the page is displayed.
struct TempPage {
  std::filesystem::path path;
  std::string title;
};
TempPage MakeTempPage(const Dirs& dirs);

// What the last search asks to highlight: its words in order (already
// folded when the search folded them) and its two options.
struct HighlightQuery {
  std::vector<std::string> words;
  bool caseSensitive = false;
  bool wholeWords = false;
};

// The page's lines with every word of the query highlighted in turn.
void HighlightPageLines(std::vector<std::string>& lines, const HighlightQuery& query);

// Reads the article page, highlights it and writes it to `target` crash-safe
// with CR LF line ends, making a read-only target writable first. Throws
// IoError when the article cannot be read or the target cannot be written.
void WriteHighlightedCopy(const std::filesystem::path& article, const std::filesystem::path& target,
                          const HighlightQuery& query);

// Showing a found article highlighted: reads BaseDir + the article's stored
// file name, sets the temporary page's title to the result row's title,
// highlights the words and writes the temporary page. The caller has
// checked that the last search looked into page text, that there are words
// and that the program may write (fixed disk), and navigates to page.path
// afterwards. Throws IoError as WriteHighlightedCopy; the title stays
// unchanged when the article cannot be read.
void WriteHighlightedPage(const Dirs& dirs, std::string_view articleFile, std::string_view rowTitle,
                          const HighlightQuery& query, TempPage& page);

}  // namespace lrv
