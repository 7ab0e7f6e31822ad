#include "cli/search_pass_commands.h"

#include <iostream>
#include <optional>
#include <vector>

#include "base/paths.h"
#include "base/text.h"
#include "catalogue/catalogue.h"
#include "catalogue/tree_file.h"
#include "cli/command.h"
#include "search/result_views.h"
#include "search/search_pass.h"

namespace lrv::cli {
namespace {

// The value after an option, or a usage error.
const std::string& ValueOf(std::span<const std::string> args, std::size_t& i) {
  if (i + 1 >= args.size()) throw UsageError(args[i] + " expects a value");
  return args[++i];
}

Catalogue LoadCatalogue(const Dirs& dirs, const std::optional<std::string>& tree) {
  Catalogue catalogue;
  const std::filesystem::path path = tree ? std::filesystem::path(*tree) : dirs.baseDir / "tree.info";
  if (!LoadTree(catalogue, path)) throw Failure("cannot load the tree file " + path.string());
  return catalogue;
}

void PrintRows(const ResultList& list) {
  for (const ResultRow& row : list.rows)
    std::cout << text::Cp1251ToUtf8(row.Value(ColFileName)) << "\t" << text::Cp1251ToUtf8(row.Value(ColTitle)) << "\n";
}

struct Quiet : SearchProgress {};

}  // namespace

int Search(std::span<const std::string> args) {
  if (args.empty()) throw UsageError("expects BASEDIR");
  Dirs dirs;
  dirs.baseDir = args[0];
  SearchQuery query;
  query.stem = false;  // --stem turns word-form folding on
  std::optional<std::string> text, tree;
  SearchKind preferred = SearchKind::AllWords;  // the window's initial preference
  std::vector<std::string> categories;
  std::vector<SearchState> states;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--query") text = ToArchiveText(ValueOf(args, i));
    else if (arg == "--kind") {
      const std::string& kind = ValueOf(args, i);
      if (kind == "exact") preferred = SearchKind::ExactPhrase;
      else if (kind == "all") preferred = SearchKind::AllWords;
      else if (kind == "any") preferred = SearchKind::AnyWord;
      else throw UsageError("--kind is exact, all or any");
    } else if (arg == "--text") query.inText = true;
    else if (arg == "--stem") query.stem = true;
    else if (arg == "--whole") query.wholeWords = true;
    else if (arg == "--case") query.caseSensitive = true;
    else if (arg == "--category") categories.push_back(ToArchiveText(ValueOf(args, i)));
    else if (arg == "--state") {
      const std::string& state = ValueOf(args, i);
      if (state == "favourite") states.push_back(SearchState::Favourite);
      else if (state == "new") states.push_back(SearchState::New);
      else if (state == "read") states.push_back(SearchState::Read);
      else if (state == "unread") states.push_back(SearchState::NotRead);
      else throw UsageError("--state is favourite, new, read or unread");
    } else if (arg == "--tree") tree = ValueOf(args, i);
    else throw UsageError("unknown option " + arg);
  }
  if (!text) throw UsageError("expects --query");
  query.text = *text;
  query.kind = EffectiveKind(query.text, preferred);

  const Catalogue catalogue = LoadCatalogue(dirs, tree);
  CheckAllCategories(catalogue, query);
  if (!categories.empty())
    for (CategoryItem& item : query.categories) {
      item.checked = false;
      for (const std::string& title : categories)
        if (text::EqualsNoCase(title, item.title)) item.checked = true;
    }
  if (!states.empty()) {
    for (bool& allowed : query.stateAllowed) allowed = false;
    for (SearchState state : states) query.stateAllowed[static_cast<int>(state)] = true;
  }
  ResultList results;
  Quiet progress;
  RunSearch(catalogue, dirs, query, results, progress);
  PrintRows(results);
  return kSuccess;
}

int View(std::span<const std::string> args) {
  if (args.size() < 2) throw UsageError("expects BASEDIR and a view name");
  Dirs dirs;
  dirs.baseDir = args[0];
  const auto view = ResultViewByName(args[1]);
  if (!view)
    throw UsageError("the view is favourite, new, read, unread, index, with-note, without-note, viewed or not-viewed");
  std::optional<std::string> tree;
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "--tree") tree = ValueOf(args, i);
    else throw UsageError("unknown option " + args[i]);
  }
  const Catalogue catalogue = LoadCatalogue(dirs, tree);
  ResultList results;
  Quiet progress;
  SearchHandover handover;
  RunResultView(catalogue, dirs, *view, results, progress, handover);
  PrintRows(results);
  return kSuccess;
}

}  // namespace lrv::cli
