#include "cli/catalogue_commands.h"

#include <iostream>

#include "base/files.h"
#include "catalogue/backups.h"
#include "catalogue/catalogue_json.h"
#include "catalogue/tree_file.h"
#include "cli/command.h"

namespace lrv::cli {
namespace {

void ExpectArgs(std::span<const std::string> args, size_t count) {
  if (args.size() != count)
    throw UsageError("expects " + std::to_string(count) + " argument" + (count == 1 ? "" : "s"));
}

}  // namespace

int TreeDump(std::span<const std::string> args) {
  ExpectArgs(args, 1);
  // The nodes read before a failure are shown either way.
  const TreeReadResult read = ReadTreeFile(args[0]);
  std::cout << DumpTreeJson(read.catalogue, read.ok) << "\n";
  return read.ok ? kSuccess : kFailed;
}

int TreeFromJson(std::span<const std::string> args) {
  ExpectArgs(args, 2);
  const auto json = ReadFile(args[0]);
  if (!json) throw Failure("cannot read " + args[0]);
  std::string error;
  auto catalogue = CatalogueFromJson(*json, &error);
  if (!catalogue) throw UsageError(error);
  SaveTree(*catalogue, args[1]);
  return kSuccess;
}

int Outline(std::span<const std::string> args) {
  ExpectArgs(args, 1);
  std::cout << RunOutlineImportJson(args[0]) << "\n";
  return kSuccess;
}

}  // namespace lrv::cli

namespace lrv::cli {

int Backups(std::span<const std::string> args) {
  ExpectArgs(args, 1);
  if (!std::filesystem::is_directory(args[0])) throw Failure("no such folder: " + args[0]);
  std::cout << BackupsJson(args[0]) << "\n";
  return kSuccess;
}

}  // namespace lrv::cli
