#pragma once
// Removing a folder with everything in it (TempDir at shutdown, NotesDir
// when all notes are deleted).

#include <filesystem>

#include "platform/prompter.h"

namespace lrv {

// Removes every entry of the folder: real folders are emptied and removed
// recursively; files are made writable and deleted; symbolic links are
// removed themselves and never followed. A file that cannot be deleted is
// reported (error, help 47) and the removal goes on. True when the folder
// itself was removed.
bool DeleteFolderTree(const std::filesystem::path& folder, Prompter& prompter);

inline constexpr int kFileNotDeletedHelp = 47;

}  // namespace lrv
