#pragma once
// A small archive for the editing tests: a temporary BaseDir, the undo
// journal on it, a scripted prompter and a catalogue of a few titles in
// Russian and English.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/journal.h"
#include "platform/fake/fake_disk.h"
#include "platform/fake/fake_prompter.h"

namespace lrv::test {

namespace fs = std::filesystem;

inline std::string A(std::string_view utf8) { return text::Ansi(utf8); }
inline std::string U(std::string_view ansi) { return text::Cp1251ToUtf8(ansi); }

inline CatalogueNode* Add(Catalogue& c, CatalogueNode* parent, std::vector<std::string> values) {
  CatalogueNode* n = c.AddChild(parent);
  c.SetValues(n, std::move(values));
  return n;
}

// The first node of the three levels with exactly this title (UTF-8).
inline CatalogueNode* Find(const Catalogue& c, std::string_view utf8Title) {
  const std::string wanted = A(utf8Title);
  CatalogueNode* found = nullptr;
  ForEachNodeOfThreeLevels(c, [&](CatalogueNode* n) {
    if (found == nullptr && n->Title() == wanted) found = n;
  });
  return found;
}

// Titles of the children (UTF-8), in sibling order; nullptr: the roots.
inline std::vector<std::string> Titles(const Catalogue& c, const CatalogueNode* parent) {
  std::vector<std::string> titles;
  for (const CatalogueNode* n : c.ChildrenOf(parent)) titles.push_back(U(n->Title()));
  return titles;
}

// The catalogue as text, one node a line: indentation, then the columns
// title, count, file name and state (UTF-8). The viewed mark is left out:
// putting the selection back after an undo marks articles viewed.
inline std::string Dump(const Catalogue& c) {
  std::string out;
  ForEachNodeOfThreeLevels(c, [&](const CatalogueNode* n) {
    out.append(static_cast<std::size_t>(n->Depth()) * 2, ' ');
    out += U(n->Title()) + "|" + n->Value(ColCount) + "|" + U(n->Value(ColFileName)) + "|" + n->Value(ColState) + "\n";
  });
  return out;
}

// Titles of the selected nodes (UTF-8), in selection order.
inline std::vector<std::string> Selected(const Catalogue& c) {
  std::vector<std::string> titles;
  for (const CatalogueNode* n : c.Selection()) titles.push_back(U(n->Title()));
  return titles;
}

// A typed text as the checks put it back: without blanks at both ends.
inline std::string TrimmedForTest(std::string_view s) { return std::string(text::Trim(s)); }

inline std::vector<int> Helps(const FakePrompter& prompter) {
  std::vector<int> helps;
  for (const Message& m : prompter.messages) helps.push_back(m.helpContext);
  return helps;
}

class TempFolder {
 public:
  TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("lrv-editing-") + std::to_string(::getpid()) + "-" + info->test_suite_name() +
                       "-" + info->name();
    for (char& ch : name)
      if (ch == '/') ch = '_';
    path_ = fs::temp_directory_path() / name;
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Базы данных { SQL { Joins, Индексы }, NoSQL { Redis } },
// Сети { Протоколы { TCP, UDP } }, Языки { Cpp { Templates } }.
// Counts are right; Joins is viewed; the sort marks are the default
// (titles ascending) and the tree is sorted.
inline void FillSample(Catalogue& c) {
  CatalogueNode* db = Add(c, nullptr, {A("Базы данных"), "2"});
  CatalogueNode* sql = Add(c, db, {"SQL", "2"});
  Add(c, sql, {"Joins", "", "joins.html", "1", "yes"});
  Add(c, sql, {A("Индексы"), "", "indexes.html", "2"});
  CatalogueNode* nosql = Add(c, db, {"NoSQL", "1"});
  Add(c, nosql, {"Redis", "", "redis.html", "3"});
  CatalogueNode* nets = Add(c, nullptr, {A("Сети"), "1"});
  CatalogueNode* proto = Add(c, nets, {A("Протоколы"), "2"});
  Add(c, proto, {"TCP", "", "tcp.html", "2"});
  Add(c, proto, {"UDP", "", "udp.html"});
  CatalogueNode* langs = Add(c, nullptr, {A("Языки"), "1"});
  CatalogueNode* cpp = Add(c, langs, {"Cpp", "1"});
  Add(c, cpp, {"Templates", "", "templates.html", "2"});
  c.Sort();
}

// The archive: BaseDir with NotesDir, the journal with its start-up entry.
struct EditingArchive {
  TempFolder temp;
  Dirs dirs = Dirs::ForBaseDir(temp.path() / "base");
  FakeDisk disk;
  FakePrompter prompter;
  Catalogue catalogue;
  UndoJournal journal{dirs, disk};

  explicit EditingArchive(bool sample = true) {
    fs::create_directories(dirs.NotesDir());
    if (sample) FillSample(catalogue);
    journal.RecordJournalEntry(catalogue, JournalOp::Startup);
  }

  // Starts the journal afresh on the catalogue as it is now (after a test
  // built more of it).
  void StartJournal() {
    journal.Reset();
    journal.RecordJournalEntry(catalogue, JournalOp::Startup);
  }

  void WriteNote(std::string_view name) const { WriteFileAtomic(dirs.NotesDir() / std::string(name), "note\r\n"); }
  bool HasNote(std::string_view name) const { return fs::exists(dirs.NotesDir() / std::string(name)); }
  void WritePage(std::string_view name) const { WriteFileAtomic(dirs.baseDir / std::string(name), "<html></html>"); }

  // Number of entries recorded after the start-up entry.
  int EditEntries() const { return static_cast<int>(journal.Entries().size()) - 1; }
  std::string LastOperation() const { return U(EntryOperation(journal.Entries().back())); }
  std::string LastDetail() const { return U(EntryDetail(journal.Entries().back())); }
};

// One entry was recorded for the edit; undo brings back `before` and redo
// `after`, with the selection that redo puts back.
inline void ExpectUndoRedo(EditingArchive& a, const std::string& before, const std::vector<std::string>& redoSelection) {
  const std::string after = Dump(a.catalogue);
  ASSERT_TRUE(a.journal.Undo(a.catalogue));
  EXPECT_EQ(Dump(a.catalogue), before);
  ASSERT_TRUE(a.journal.Redo(a.catalogue));
  EXPECT_EQ(Dump(a.catalogue), after);
  EXPECT_EQ(Selected(a.catalogue), redoSelection);
}

}  // namespace lrv::test
