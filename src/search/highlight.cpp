#include "search/highlight.h"

#include <algorithm>
#include <array>

#include "base/text.h"
#include "pages/archive_markers.h"
#include "search/tag_table.h"
#include "search/words.h"

namespace lrv {
namespace {

// Pieces of text that show an occurrence belongs to a link target, an image
// source, a mail address or a frame target.
constexpr std::array<std::string_view, 4> kLinkPieces = {"href", "src", "to:", "target"};
constexpr std::size_t kLongestLinkPiece = 6;

// The space-delimited piece of the line that ends at the scan position, seen
// in lower case with every wrapped occurrence standing for one character
// that matches nothing. Only what the protection test needs is kept: whether
// the piece starts with "/", whether it already holds a link piece, and its
// last few characters, so a long line costs one pass whatever its shape.
class Piece {
 public:
  void Clear() { *this = Piece(); }

  void Add(unsigned char c) {
    if (c == ' ') {
      Clear();
      return;
    }
    c = text::LowerByte(c);
    if (empty_) startsWithSlash_ = c == '/';
    empty_ = false;
    Push(static_cast<char>(c));
    if (!hasLinkPiece_) {
      const std::string_view tail(tail_.data(), tailSize_);
      for (std::string_view link : kLinkPieces)
        if (tail.ends_with(link)) hasLinkPiece_ = true;
    }
  }

  // A wrapped occurrence: one character that is neither a space nor "/" and
  // takes part in no link piece.
  void AddWrapped() {
    empty_ = false;
    Push('\0');
  }

  void Add(std::string_view s) {
    // Only the text after the last space counts.
    const std::size_t space = s.rfind(' ');
    if (space != std::string_view::npos) {
      Clear();
      s.remove_prefix(space + 1);
    }
    for (char c : s) Add(static_cast<unsigned char>(c));
  }

  bool Protects() const { return hasLinkPiece_ || startsWithSlash_; }

 private:
  void Push(char c) {
    if (tailSize_ == tail_.size()) {
      std::copy(tail_.begin() + 1, tail_.end(), tail_.begin());
      --tailSize_;
    }
    tail_[tailSize_++] = c;
  }

  bool empty_ = true;
  bool startsWithSlash_ = false;
  bool hasLinkPiece_ = false;
  std::array<char, kLongestLinkPiece> tail_{};
  std::size_t tailSize_ = 0;
};

struct LoweredMarkers {
  std::vector<std::string> markers;
  std::vector<std::string> lowered;
};

const LoweredMarkers& Markers() {
  static const LoweredMarkers m = [] {
    LoweredMarkers r;
    for (std::string_view tag : {"<html", "<head", "<meta", "</meta>", "<title", "</title>", "<link",
                                 "</head>", "<body", "</body>", "</html>", "<table", "</table>"})
      r.markers.emplace_back(tag);
    for (std::string_view mark : {pages::kTitleBackgroundMarker, pages::kTitleTableMarker,
                                  pages::kBottomLineMarker, pages::kSiteLinkMarker, pages::kFooterMailMarker})
      r.markers.push_back(text::Ansi(mark));
    for (std::string_view line : pages::kBannerLines) r.markers.push_back(text::Ansi(line));
    for (const std::string& m : r.markers) r.lowered.push_back(text::Lower(m));
    return r;
  }();
  return m;
}

}  // namespace

std::span<const std::string> ProtectedLineMarkers() { return Markers().markers; }

bool IsProtectedLine(std::string_view line) {
  const std::string lowered = text::Lower(line);
  const auto& markers = Markers().lowered;
  return std::any_of(markers.begin(), markers.end(),
                     [&](const std::string& m) { return lowered.find(m) != std::string::npos; });
}

// One left-to-right pass. The result equals what the classic form of this
// rule gives (replace each occurrence by a placeholder character, cut kept
// heads off the front, put everything back together), without a placeholder
// that a page or a word could contain.
std::string HighlightLine(std::string_view line, std::string_view word, std::string_view start,
                          std::string_view end) {
  if (word.empty()) return std::string(line);
  const std::string lowLine = text::Lower(line);
  const std::string lowWord = text::Lower(word);
  std::string out;
  out.reserve(line.size());
  Piece piece;
  std::size_t scanned = 0;
  for (std::size_t pos = lowLine.find(lowWord); pos != std::string::npos;
       pos = lowLine.find(lowWord, scanned)) {
    const std::string_view before = line.substr(scanned, pos - scanned);
    const std::string_view occurrence = line.substr(pos, word.size());
    out.append(before);
    piece.Add(before);
    Piece withOccurrence = piece;
    withOccurrence.Add(occurrence);
    if (withOccurrence.Protects()) {
      // The head up to here is kept as it is; what follows starts a new piece.
      out.append(occurrence);
      piece.Clear();
    } else {
      out.append(start);
      out.append(occurrence);
      out.append(end);
      piece.AddWrapped();
    }
    scanned = pos + word.size();
  }
  out.append(line.substr(scanned));
  return out;
}

void HighlightInBuffer(std::vector<std::string>& lines, std::string_view word, bool caseSensitive,
                       bool wholeWord) {
  if (word.empty() || IsTagName(word) || IsTagAttribute(word) || IsTagEvent(word)) return;
  for (std::string& line : lines) {
    if (!ContainsWord(word, line, caseSensitive, wholeWord) || IsProtectedLine(line)) continue;
    line = HighlightLine(line, word);
  }
}

}  // namespace lrv
