#include "search/highlight_page.h"

#include "base/files.h"
#include "base/text.h"
#include "search/highlight.h"

namespace lrv {
namespace {

std::vector<std::string> ReadPage(const std::filesystem::path& article) {
  auto lines = ReadLines(article);
  if (!lines) throw IoError(article, "cannot read the article page");
  return std::move(*lines);
}

void WritePage(const std::filesystem::path& target, const std::vector<std::string>& lines) {
  MakeWritable(target);
  WriteFileAtomic(target, text::JoinLinesCrLf(lines));
}

}  // namespace

std::filesystem::path TempPagePath(const Dirs& dirs) { return dirs.BaseFile(kTempPageName); }

TempPage MakeTempPage(const Dirs& dirs) { return TempPage{TempPagePath(dirs), {}}; }

void HighlightPageLines(std::vector<std::string>& lines, const HighlightQuery& query) {
  for (const std::string& word : query.words)
    HighlightInBuffer(lines, word, query.caseSensitive, query.wholeWords);
}

void WriteHighlightedCopy(const std::filesystem::path& article, const std::filesystem::path& target,
                          const HighlightQuery& query) {
  std::vector<std::string> lines = ReadPage(article);
  HighlightPageLines(lines, query);
  WritePage(target, lines);
}

void WriteHighlightedPage(const Dirs& dirs, std::string_view articleFile, std::string_view rowTitle,
                          const HighlightQuery& query, TempPage& page) {
  std::vector<std::string> lines = ReadPage(StoredNameToPath(dirs.baseDir, articleFile));
  page.title = std::string(rowTitle);
  HighlightPageLines(lines, query);
  WritePage(page.path, lines);
}

}  // namespace lrv
