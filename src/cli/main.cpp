#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"

namespace {

void PrintHelp(std::ostream& out) {
  out << "Usage: lorvane-cli COMMAND [ARGS...]\n"
         "The catalogue of the Lorvane article archive from the command line.\n"
         "Output is UTF-8; exit status 0 on success, 1 when the operation failed,\n"
         "2 on a usage error.\n\nCommands:\n";
  for (const auto& c : lrv::cli::Commands()) {
    std::string head = "  " + c.name + (c.synopsis.empty() ? "" : " " + c.synopsis);
    if (head.size() < 38) head.resize(38, ' ');
    else head += "\n" + std::string(38, ' ');
    out << head << c.summary << "\n";
  }
  out << "  --help                              this text\n";
}

// The longest command name that the arguments start with ("tree dump" before "tree").
const lrv::cli::Command* Match(const std::vector<std::string>& args, size_t& used) {
  const lrv::cli::Command* best = nullptr;
  size_t bestWords = 0;
  for (const auto& c : lrv::cli::Commands()) {
    std::vector<std::string> words;
    size_t start = 0;
    while (start <= c.name.size()) {
      const size_t space = c.name.find(' ', start);
      words.push_back(c.name.substr(start, space == std::string::npos ? std::string::npos : space - start));
      if (space == std::string::npos) break;
      start = space + 1;
    }
    if (words.size() > args.size() || words.size() <= bestWords) continue;
    bool same = true;
    for (size_t i = 0; i < words.size() && same; ++i) same = words[i] == args[i];
    if (same) {
      best = &c;
      bestWords = words.size();
    }
  }
  used = bestWords;
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::cerr << "lorvane-cli: no command given (see lorvane-cli --help)\n";
    return lrv::cli::kUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(std::cout);
    return lrv::cli::kSuccess;
  }
  size_t used = 0;
  const auto* command = Match(args, used);
  if (!command) {
    std::cerr << "lorvane-cli: unknown command '" << args[0] << "' (see lorvane-cli --help)\n";
    return lrv::cli::kUsage;
  }
  try {
    const std::vector<std::string> rest(args.begin() + static_cast<long>(used), args.end());
    const int code = command->run(rest);
    std::cout.flush();
    return code;
  } catch (const lrv::cli::UsageError& e) {
    std::cerr << "lorvane-cli " << command->name << ": " << e.what() << " (usage: lorvane-cli "
              << command->name << (command->synopsis.empty() ? "" : " " + command->synopsis) << ")\n";
    return lrv::cli::kUsage;
  } catch (const std::exception& e) {
    std::cerr << "lorvane-cli " << command->name << ": " << e.what() << "\n";
    return lrv::cli::kFailed;
  }
}
