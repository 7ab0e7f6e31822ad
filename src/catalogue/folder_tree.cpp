#include "catalogue/folder_tree.h"

#include <string>
#include <system_error>
#include <vector>

#include "base/files.h"
#include "catalogue/backups.h"
#include "catalogue/message_text.h"

namespace lrv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFileNotDeletedText = "Не удалось удалить файл \"%s\"!";

std::string FileNotDeletedText(const fs::path& file) {
  return FillPlaceholders(kFileNotDeletedText, {DisplayFileName(file)});
}

}  // namespace

bool DeleteFolderTree(const fs::path& folder, Prompter& prompter) {
  std::error_code ec;
  // A link given as the folder is not followed: only a real folder is emptied.
  const fs::file_status self = fs::symlink_status(folder, ec);
  if (ec || !fs::is_directory(self)) return false;
  // The folder's own write permission is what lets its entries go.
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);

  // Listed first: removing entries while iterating skips some.
  std::vector<fs::directory_entry> entries;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) entries.push_back(*it);

  for (const fs::directory_entry& entry : entries) {
    std::error_code typeError;
    const fs::file_status status = entry.symlink_status(typeError);
    if (!typeError && fs::is_directory(status)) {
      DeleteFolderTree(entry.path(), prompter);
      continue;
    }
    // Files, links and anything else: the entry itself goes. A link's
    // target keeps its permissions.
    if (!typeError && fs::is_regular_file(status)) MakeWritable(entry.path());
    std::error_code removeError;
    fs::remove(entry.path(), removeError);
    if (removeError)
      prompter.Error(FileNotDeletedText(entry.path()), kFileNotDeletedHelp);
  }
  return fs::remove(folder, ec) && !ec;
}

}  // namespace lrv
