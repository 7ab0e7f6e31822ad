#pragma once
// The tree files open with the program: ".first", ".last", ".info",
// ".day", ".auto" and ".tree" are registered with the desktop at every
// start-up, so that opening one starts the program with it as argument.

#include <filesystem>
#include <vector>

#include "base/paths.h"
#include "platform/shell.h"

namespace lrv {

// The six types, each with the icon BaseDir/images/tree.ico.
std::vector<FileTypeRegistration> TreeFileTypes(const Dirs& dirs);

// Registers the six types to open with `executable` (the shell quotes its
// path in the command), only when the icon file exists. True when they
// were registered; a failure is never an error, start-up goes on.
bool RegisterTreeFileTypes(const Dirs& dirs, Shell& shell, const std::filesystem::path& executable);

}  // namespace lrv
