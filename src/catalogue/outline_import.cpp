#include "catalogue/outline_import.h"

#include <system_error>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "catalogue/catalogue_rules.h"

namespace lrv {

OutlineLine ParseOutlineLine(std::string_view line) {
  OutlineLine parsed;
  if (line.find('\t') == std::string_view::npos) {
    parsed.kind = OutlineLineKind::Category;
    parsed.title = line;
    return parsed;
  }
  if (line.find("\t\t") == std::string_view::npos) {
    parsed.kind = OutlineLineKind::Subcategory;
    parsed.title = line.substr(1);
    return parsed;
  }
  parsed.kind = OutlineLineKind::Article;
  const std::size_t bar = line.find('|');
  if (bar == std::string_view::npos) {
    parsed.fileName = text::Trim(line);
    return parsed;
  }
  // The title starts at the third character; a bar in the first two leaves it empty.
  constexpr std::size_t kTitleStart = 2;
  if (bar > kTitleStart) parsed.title = text::Trim(line.substr(kTitleStart, bar - kTitleStart));
  parsed.fileName = text::Trim(line.substr(bar + 1));
  return parsed;
}

OutlineImportResult ImportOutlineLines(Catalogue& catalogue, const std::vector<std::string>& lines,
                                       const std::function<bool(const std::string&)>& fileExists,
                                       const std::function<void()>& beforeEachLine) {
  OutlineImportResult result;
  result.listFound = true;
  CatalogueBatch batch(catalogue);

  // The category and subcategory that take the next entries; nullptr when
  // there is none yet or the last one was left out.
  CatalogueNode* category = nullptr;
  CatalogueNode* subcategory = nullptr;
  auto close = [&catalogue](CatalogueNode*& node) {
    if (node != nullptr) catalogue.SetValue(node, ColCount, text::IntToStr(node->ChildCount()));
    node = nullptr;
  };
  auto unplaced = [&result](const std::string& line) { result.unplaced.emplace_back(text::Trim(line)); };

  for (const std::string& line : lines) {
    if (beforeEachLine) beforeEachLine();
    OutlineLine entry = ParseOutlineLine(line);
    switch (entry.kind) {
      case OutlineLineKind::Category:
        close(subcategory);
        close(category);
        if (HasForbiddenTitleChar(entry.title)) {
          unplaced(line);
          break;
        }
        category = catalogue.AddRoot();
        catalogue.SetValue(category, ColTitle, entry.title);
        break;
      case OutlineLineKind::Subcategory:
        close(subcategory);
        if (category == nullptr || HasForbiddenTitleChar(entry.title)) {
          unplaced(line);
          break;
        }
        subcategory = catalogue.AddChild(category);
        catalogue.SetValue(subcategory, ColTitle, entry.title);
        break;
      case OutlineLineKind::Article:
        if (subcategory == nullptr) {
          unplaced(line);
        } else if (entry.fileName.empty()) {
          result.noName.push_back(std::move(entry.title));
        } else if (HasForbiddenTitleChar(entry.title)) {
          unplaced(line);
        } else if (fileExists(entry.fileName)) {
          CatalogueNode* article = catalogue.AddChild(subcategory);
          catalogue.SetValue(article, ColTitle, entry.title);
          catalogue.SetValue(article, ColFileName, entry.fileName);
        } else {
          result.missing.push_back(entry.title + " [" + entry.fileName + "]");
        }
        break;
    }
  }
  close(subcategory);
  close(category);
  result.problems = !result.noName.empty() || !result.missing.empty() || !result.unplaced.empty();
  result.imported = true;
  return result;
}

namespace {

std::string WithCount(std::string_view question, std::size_t count) {
  std::string text(question);
  const std::size_t at = text.find("%d");
  if (at != std::string::npos) text.replace(at, 2, std::to_string(count));
  return text;
}

// Asks whether to see the entries left out and shows them, one per line.
void OfferList(Prompter& prompter, std::string_view question, int helpContext,
               const std::vector<std::string>& entries) {
  if (entries.empty()) return;
  if (!prompter.Confirm(WithCount(question, entries.size()), helpContext)) return;
  std::string list;
  for (const std::string& entry : entries) {
    if (!list.empty()) list += "\n\r";
    list += text::Cp1251ToUtf8(entry);
  }
  prompter.Inform(list, 0, MessageButtons::Ok);
}

}  // namespace

OutlineImportResult ImportOutlineList(Catalogue& catalogue, const std::filesystem::path& listPath,
                                      const std::filesystem::path& baseDir, Prompter& prompter,
                                      const std::function<void()>& beforeEachLine) {
  if (!IsRegularFile(listPath)) return {};
  auto lines = ReadLines(listPath);
  if (!lines) return {};
  auto fileExists = [&baseDir](const std::string& fileName) {
    return IsRegularFile(StoredNameToPath(baseDir, fileName));
  };
  OutlineImportResult result = ImportOutlineLines(catalogue, *lines, fileExists, beforeEachLine);
  // Asked in this order and independently of each other.
  OfferList(prompter, kNoNameQuestion, kNoNameHelp, result.noName);
  OfferList(prompter, kMissingQuestion, kMissingHelp, result.missing);
  OfferList(prompter, kUnplacedQuestion, kUnplacedHelp, result.unplaced);
  return result;
}

}  // namespace lrv
