#pragma once
// Helpers shared by the catalogue tests: a byte builder for hand-made tree
// files, temporary folders and small catalogues.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "catalogue/catalogue.h"

namespace lrv::test {

namespace fs = std::filesystem;

// Tree-file bytes written by hand, independent of the writer under test.
class Bytes {
 public:
  Bytes& Int(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) data_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    return *this;
  }
  Bytes& Byte(std::uint8_t b) {
    data_.push_back(static_cast<char>(b));
    return *this;
  }
  Bytes& Raw(std::string_view s) {
    data_.append(s);
    return *this;
  }
  // A value with a 4-byte length (marker file) or a 1-byte length (legacy).
  Bytes& Text(std::string_view s) { return Int(static_cast<std::int32_t>(s.size())).Raw(s); }
  Bytes& ShortText(std::string_view s) { return Byte(static_cast<std::uint8_t>(s.size())).Raw(s); }
  // Header size 24 and the six integers.
  Bytes& Header(std::int32_t image, std::int32_t selected, std::int32_t state, std::int32_t data,
                std::int32_t children, std::int32_t values) {
    return Int(24).Int(image).Int(selected).Int(state).Int(data).Int(children).Int(values);
  }
  const std::string& str() const { return data_; }
  operator std::string() const { return data_; }

 private:
  std::string data_;
};

class TempDir {
 public:
  TempDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = fs::temp_directory_path() /
            ("lrv-catalogue-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  fs::path operator/(std::string_view name) const { return path_ / std::string(name); }

 private:
  fs::path path_;
};

inline std::string A(std::string_view utf8) { return text::Ansi(utf8); }

// Adds a node with the given values under parent (nullptr: a root).
inline CatalogueNode* Add(Catalogue& c, CatalogueNode* parent, std::vector<std::string> values) {
  CatalogueNode* n = c.AddChild(parent);
  c.SetValues(n, std::move(values));
  return n;
}

// Titles of the children of parent (nullptr: roots), in sibling order.
inline std::vector<std::string> Titles(const Catalogue& c, const CatalogueNode* parent) {
  std::vector<std::string> titles;
  for (const CatalogueNode* n : c.ChildrenOf(parent)) titles.push_back(n->Title());
  return titles;
}

// A chain of `depth` nodes, each the only child of the one before.
inline void BuildChain(Catalogue& c, int depth) {
  CatalogueNode* parent = nullptr;
  for (int i = 0; i < depth; ++i) parent = c.AddChild(parent);
}

}  // namespace lrv::test
