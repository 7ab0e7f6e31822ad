#include "cli/search_commands.h"

#include <iostream>
#include <vector>

#include "base/text.h"
#include "cli/command.h"
#include "search/stem.h"
#include "search/words.h"

namespace lrv::cli {
namespace {

void PrintLine(std::string_view archiveText) { std::cout << text::Cp1251ToUtf8(archiveText) << "\n"; }

}  // namespace

int Words(std::span<const std::string> args) {
  if (args.size() != 1) throw UsageError("expects 1 argument");
  for (const auto& word : ExtractWordList(ToArchiveText(args[0]))) PrintLine(word);
  return kSuccess;
}

int Stem(std::span<const std::string> args) {
  if (args.empty()) throw UsageError("expects at least 1 argument");
  std::vector<std::string> words;
  for (const auto& arg : args) words.push_back(ToArchiveText(arg));  // check all before printing any
  for (const auto& word : words) PrintLine(StemWord(word));
  return kSuccess;
}

int Contains(std::span<const std::string> args) {
  bool caseSensitive = false, wholeWord = false, optionsEnd = false;
  std::vector<std::string> texts;
  for (const auto& arg : args) {
    if (!optionsEnd && arg == "--case") caseSensitive = true;
    else if (!optionsEnd && arg == "--whole") wholeWord = true;
    else if (!optionsEnd && arg == "--") optionsEnd = true;  // a needle may itself start with "--"
    else texts.push_back(ToArchiveText(arg));
  }
  if (texts.size() != 2) throw UsageError("expects a needle and a text");
  std::cout << (ContainsWord(texts[0], texts[1], caseSensitive, wholeWord) ? "yes" : "no") << "\n";
  return kSuccess;
}

}  // namespace lrv::cli
