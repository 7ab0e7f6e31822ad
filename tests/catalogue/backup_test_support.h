#pragma once
// Helpers of the backup, start-up and journal tests: an archive folder
// with tree files made from a few titles, and reading them back.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/paths.h"
#include "catalogue/tree_file.h"
#include "platform/fake/fake_prompter.h"
#include "test_support.h"

namespace lrv::test {

// A catalogue whose categories carry these titles (ASCII, no children).
inline Catalogue CatalogueOf(const std::vector<std::string>& titles) {
  Catalogue c;
  for (const std::string& t : titles) Add(c, nullptr, {t, "0"});
  return c;
}

inline void WriteTree(const fs::path& file, const std::vector<std::string>& titles) {
  SaveTree(CatalogueOf(titles), file, false);
}

// Bytes that no reader takes for a tree file.
inline void WriteDamaged(const fs::path& file) { WriteFileAtomic(file, std::string("\xFF\xFF\xFF\xFF\x05", 5)); }

// The category titles stored in a tree file; {"<unreadable>"} when it does not load.
inline std::vector<std::string> TitlesIn(const fs::path& file) {
  TreeReadResult read = ReadTreeFile(file);
  if (!read.ok) return {"<unreadable>"};
  return Titles(read.catalogue, nullptr);
}

inline std::vector<int> Helps(const FakePrompter& prompter) {
  std::vector<int> helps;
  for (const Message& m : prompter.messages) helps.push_back(m.helpContext);
  return helps;
}

// An archive folder in a temporary place.
struct Archive {
  TempDir temp;
  Dirs dirs = Dirs::ForBaseDir(temp.path() / "base");
  Archive() { fs::create_directories(dirs.baseDir); }
  fs::path File(std::string_view name) const { return dirs.BaseFile(name); }
  bool Has(std::string_view name) const { return fs::exists(File(name)); }
  // File names in BaseDir, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dirs.baseDir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

}  // namespace lrv::test
