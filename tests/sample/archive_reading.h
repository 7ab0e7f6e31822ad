#pragma once
// Small readers for the archive files these tests check: the outline list
// and the tree file. They are deliberately independent of the catalogue
// code, so that the shipped archive and the generator are checked against
// the file formats themselves.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/files.h"
#include "base/text.h"

namespace lrv::sample_test {

namespace fs = std::filesystem;

struct OutlineArticle {
  std::string title;
  std::string file;
};
struct OutlineSubcategory {
  std::string title;
  std::vector<OutlineArticle> articles;
};
struct OutlineCategory {
  std::string title;
  std::vector<OutlineSubcategory> subcategories;
};

struct Outline {
  std::vector<OutlineCategory> categories;
  std::vector<std::string> problems;  // lines that fit nowhere

  std::size_t SubcategoryCount() const {
    std::size_t n = 0;
    for (const auto& c : categories) n += c.subcategories.size();
    return n;
  }
  std::vector<OutlineArticle> Articles() const {
    std::vector<OutlineArticle> all;
    for (const auto& c : categories)
      for (const auto& s : c.subcategories) all.insert(all.end(), s.articles.begin(), s.articles.end());
    return all;
  }
};

// The outline rules: no tab = category (whole line); a tab but no two in a
// row = subcategory (line without its first character); two tabs in a row =
// article: title from the third character up to the first "|", file name
// after it, both trimmed.
inline Outline ParseOutline(std::string_view content) {
  Outline o;
  int number = 0;
  for (const auto& line : text::SplitLines(content)) {
    ++number;
    if (line.find('\t') == std::string::npos) {
      o.categories.push_back({line, {}});
    } else if (line.find("\t\t") == std::string::npos) {
      if (o.categories.empty()) {
        o.problems.push_back("subcategory before any category, line " + std::to_string(number));
        continue;
      }
      o.categories.back().subcategories.push_back({line.substr(1), {}});
    } else {
      if (o.categories.empty() || o.categories.back().subcategories.empty()) {
        o.problems.push_back("article outside a subcategory, line " + std::to_string(number));
        continue;
      }
      const auto bar = line.find('|');
      OutlineArticle a;
      if (bar == std::string::npos) {
        a.file = std::string(text::Trim(line));
      } else {
        a.title = std::string(text::Trim(std::string_view(line).substr(2, bar - 2)));
        a.file = std::string(text::Trim(std::string_view(line).substr(bar + 1)));
      }
      o.categories.back().subcategories.back().articles.push_back(a);
    }
  }
  return o;
}

// One node of a tree file as stored.
struct StoredNode {
  std::int32_t image = 0, selected = 0, state = 0, data = 0;
  std::vector<std::string> values;
  std::vector<StoredNode> children;
};

// Reads a tree file with the marker (4-byte value lengths); nullopt when
// it is malformed or has bytes after the last root.
class TreeFileReader {
 public:
  explicit TreeFileReader(std::string_view bytes) : bytes_(bytes) {}

  std::optional<std::vector<StoredNode>> Read() {
    std::int32_t marker = 0, roots = 0;
    if (!Int(marker) || marker != -1 || !Int(roots) || roots < 0) return std::nullopt;
    std::vector<StoredNode> nodes(static_cast<std::size_t>(roots));
    for (auto& n : nodes)
      if (!Node(n, 0)) return std::nullopt;
    if (pos_ != bytes_.size()) return std::nullopt;
    return nodes;
  }

 private:
  bool Int(std::int32_t& v) {
    if (bytes_.size() - pos_ < 4) return false;
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<unsigned char>(bytes_[pos_ + i]);
    v = static_cast<std::int32_t>(u);
    pos_ += 4;
    return true;
  }
  bool Node(StoredNode& n, int depth) {
    std::int32_t header = 0, children = 0, count = 0;
    if (depth > 2 || !Int(header) || header != 24 || !Int(n.image) || !Int(n.selected) ||
        !Int(n.state) || !Int(n.data) || !Int(children) || !Int(count) || children < 0 || count < 0)
      return false;
    for (std::int32_t i = 0; i < count; ++i) {
      std::int32_t len = 0;
      if (!Int(len) || len < 0 || bytes_.size() - pos_ < static_cast<std::size_t>(len)) return false;
      n.values.emplace_back(bytes_.substr(pos_, static_cast<std::size_t>(len)));
      pos_ += static_cast<std::size_t>(len);
    }
    n.children.resize(static_cast<std::size_t>(children));
    for (auto& c : n.children)
      if (!Node(c, depth + 1)) return false;
    return true;
  }

  std::string_view bytes_;
  std::size_t pos_ = 0;
};

// The author name as the authors pages take it from a page: the rest of
// the first line holding "Автор: ", without the usual inline tags, trimmed.
// nullopt when the page has no such line.
inline std::optional<std::string> AuthorOfPage(std::string_view page) {
  static const std::string kAuthor = text::Ansi("Автор: ");
  for (const auto& line : text::SplitLines(page)) {
    const auto at = line.find(kAuthor);
    if (at == std::string::npos) continue;
    std::string rest = line.substr(at + kAuthor.size());
    for (std::string_view tag : {"<br>", "<b>", "<strong>", "</strong>", "</p>", "<p>", "</b>"}) {
      for (;;) {
        const auto pos = text::Lower(rest).find(tag);
        if (pos == std::string::npos) break;
        rest.erase(pos, tag.size());
      }
    }
    return std::string(text::Trim(rest));
  }
  return std::nullopt;
}

inline std::string ReadBytes(const fs::path& p) {
  auto bytes = ReadFile(p);
  return bytes ? std::move(*bytes) : std::string();
}

}  // namespace lrv::sample_test
