#include <iostream>

#include "cli/catalogue_commands.h"
#include "cli/command.h"
#include "cli/highlight_command.h"
#include "cli/search_commands.h"
#include "cli/search_pass_commands.h"

#include "base/text.h"

namespace lrv::cli {

std::string ToArchiveText(const std::string& utf8, const char* what) {
  auto bytes = text::Utf8ToCp1251(utf8);
  if (!bytes) throw UsageError(std::string(what) + " '" + utf8 + "' has no Windows-1251 form");
  return std::move(*bytes);
}

namespace {

int Version(std::span<const std::string> args) {
  if (!args.empty()) throw UsageError("takes no arguments");
  std::cout << "Lorvane 6 Pro " << LRV_VERSION << "\n";
  return kSuccess;
}

}  // namespace

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"version", "", "print the program's version", Version},
      {"tree dump", "FILE", "print a tree file as JSON (exit 1 when it is damaged)", TreeDump},
      {"tree from-json", "JSON_FILE OUT_FILE", "write a tree file from the JSON of tree dump", TreeFromJson},
      {"backups", "BASEDIR", "list the backups the restore window offers, as JSON", Backups},
      {"words", "QUERY", "print the search words of a query, one a line", Words},
      {"stem", "WORD...", "print the stem of each word (word-form folding), one a line", Stem},
      {"contains", "NEEDLE TEXT [--case] [--whole]", "print yes when TEXT contains NEEDLE, else no", Contains},
      {"highlight", "BASEDIR FILE --word W... [--case] [--whole] --out OUT",
       "write the highlighted copy of an article page as the search shows it", Highlight},
      {"search",
       "BASEDIR --query Q [--kind exact|all|any] [--text] [--stem] [--whole] [--case] [--category TITLE]... "
       "[--state favourite|new|read|unread]... [--tree FILE]",
       "run the search pass and print the found articles (file, tab, title)", Search},
      {"view", "BASEDIR NAME [--tree FILE]",
       "print a filtered view: favourite, new, read, unread, index, with-note, without-note, viewed, not-viewed", View},
      {"outline", "BASEDIR", "import BASEDIR/menu.list as a trial run and print the result", Outline},
  };
  return commands;
}

}  // namespace lrv::cli
