#pragma once
// The outline list "menu.list": the catalogue as tab-indented text, shipped
// with a fresh installation and imported when there is no tree file yet.
//
//   a line without a tab           a category (the whole line is its title)
//   a tab, but no two tabs in a row a subcategory (title: the line less its first character)
//   two tabs in a row anywhere     an article: tab, tab, title | file name

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "platform/prompter.h"

namespace lrv {

enum class OutlineLineKind { Category, Subcategory, Article };

struct OutlineLine {
  OutlineLineKind kind = OutlineLineKind::Category;
  std::string title;     // Windows-1251
  std::string fileName;  // articles only, relative to BaseDir
};

// Classifies one line (without its line break) and takes its texts apart.
// An article's title runs from the third character to the first "|",
// trimmed (empty when the bar comes earlier or is missing); its file name
// is the trimmed rest after the bar (the whole trimmed line without a bar).
OutlineLine ParseOutlineLine(std::string_view line);

struct OutlineImportResult {
  bool listFound = false;  // false: the list was missing and nothing happened
  bool imported = false;   // OutlineImported
  bool problems = false;   // OutlineImportProblems
  // Windows-1251 texts of the entries left out.
  std::vector<std::string> noName;   // article titles without a file name
  std::vector<std::string> missing;  // title + " [" + file name + "]"
  // Lines that have no place in the outline (a subcategory before any
  // category, an article before its category's first subcategory, entries
  // below a left-out one) and entries whose title holds one of
  // ForbiddenTitleChars; each as the trimmed line.
  std::vector<std::string> unplaced;
};

// Appends the entries of the lines to the catalogue, taking an article
// only when fileExists(file name) says so, and writes the count column of
// every category and subcategory. Asks nothing. beforeEachLine (optional)
// runs before each line: the window processes pending messages there.
OutlineImportResult ImportOutlineLines(Catalogue& catalogue, const std::vector<std::string>& lines,
                                       const std::function<bool(const std::string&)>& fileExists,
                                       const std::function<void()>& beforeEachLine = {});

// ImportOutlineList: does nothing when the list file does not exist.
// Otherwise imports it (article files looked up in baseDir through the path
// layer), then asks the questions about the entries left out and shows
// the lists the user asks for.
OutlineImportResult ImportOutlineList(Catalogue& catalogue, const std::filesystem::path& listPath,
                                      const std::filesystem::path& baseDir, Prompter& prompter,
                                      const std::function<void()>& beforeEachLine = {});

// The question texts (UTF-8, "%d" for the count) and their help contexts.
inline constexpr std::string_view kNoNameQuestion =
    "Некоторым статьям не присвоены имена файлов!\n\rВсего таких статей: %d\n\rВывести названия этих статей?";
inline constexpr int kNoNameHelp = 22;
inline constexpr std::string_view kMissingQuestion =
    "Файлы некоторых статей не существуют!\n\rВсего таких статей: %d\n\rВывести названия этих статей и файлов?";
inline constexpr int kMissingHelp = 23;
inline constexpr std::string_view kUnplacedQuestion =
    "Некоторые строки списка статей не нашли места в дереве!\n\rВсего таких строк: %d\n\rВывести эти строки?";
inline constexpr int kUnplacedHelp = 22;

}  // namespace lrv
