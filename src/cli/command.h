#pragma once
// The command-line tool's subcommands. Each subsystem adds its own table
// entry in commands.cpp; output is UTF-8, archive texts are converted from
// Windows-1251 on the way out and to it on the way in.

#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lrv::cli {

enum ExitCode { kSuccess = 0, kFailed = 1, kUsage = 2 };

// Thrown by a handler for wrong arguments: one line on standard error, exit 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// Thrown by a handler when the operation failed: one line, exit 1.
struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Command {
  std::string name;      // "version", "tree dump"
  std::string synopsis;  // arguments, e.g. "FILE"
  std::string summary;   // one line for --help
  std::function<int(std::span<const std::string> args)> run;
};

// An argument (UTF-8) as the archive's Windows-1251 bytes; a text with no
// such form is a usage error.
std::string ToArchiveText(const std::string& utf8, const char* what = "the argument");

// Every subcommand, in the order --help lists them.
const std::vector<Command>& Commands();

}  // namespace lrv::cli
