#include <iostream>

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
  };
  return commands;
}

}  // namespace lrv::cli
