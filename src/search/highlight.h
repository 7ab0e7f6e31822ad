#pragma once
// Marking found words in a copy of an article page. Every occurrence of a
// search word is wrapped in highlighting markup, except where wrapping would
// break the page: lines of the page frame (head, tables, the archive's title
// bar, footer and attribution banner) are never touched, an occurrence that
// ends a space-delimited piece mentioning a link, a source, a mail address or
// a frame target, or a piece that is a path starting with "/", is kept as it
// is, and a word that is an HTML tag, attribute or event name is not marked
// at all. Texts are Windows-1251 bytes.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lrv {

// The markup around a found word; the word keeps its own letters between.
inline constexpr std::string_view kHighlightStart =
    "<span style=\"background-color: Yellow\"><font color=maroon>";
inline constexpr std::string_view kHighlightEnd = "</font></span>";

// The 24 texts that make a page line untouchable, in Windows-1251, in their
// fixed order: the head and table tags, the title bar and footer marks, the
// author's mail line and the six attribution banner lines of the archive.
std::span<const std::string> ProtectedLineMarkers();
// Whether the line contains one of them, compared in lower case.
bool IsProtectedLine(std::string_view line);

// The line with every occurrence of the word (compared in lower case, as a
// plain substring, non-overlapping from the left) wrapped in start and end,
// except the occurrences whose space-delimited piece of text protects them.
// The piece of an occurrence runs from the last space before its end (or
// from the end of the previous kept occurrence, whichever is later) to its
// end; an occurrence already wrapped counts in it as a single character.
// An empty word leaves the line as it is.
std::string HighlightLine(std::string_view line, std::string_view word,
                          std::string_view start = kHighlightStart, std::string_view end = kHighlightEnd);

// Highlights one search word in the page's lines in place. Nothing happens
// for an empty word or a tag, attribute or event name. A protected line is
// skipped; any other line is rewritten by HighlightLine when ContainsWord
// finds the word in it with the search's case and whole-word options (so the
// options decide only whether a line is processed, judged on its first
// occurrence).
void HighlightInBuffer(std::vector<std::string>& lines, std::string_view word, bool caseSensitive,
                       bool wholeWord);

}  // namespace lrv
