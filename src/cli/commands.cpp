#include <iostream>

#include "cli/catalogue_commands.h"
#include "cli/command.h"

namespace lrv::cli {
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
      {"outline", "BASEDIR", "import BASEDIR/menu.list as a trial run and print the result", Outline},
  };
  return commands;
}

}  // namespace lrv::cli
