#include "editing/note_file.h"

#include "base/text.h"

namespace lrv {

namespace {

// The note takes only the last name of the address: cutting at every kind
// of separator keeps the note file inside NotesDir whatever the address.
std::string_view AddressFileName(std::string_view address) {
  const std::size_t at = address.find_last_of("\\/:");
  return at == std::string_view::npos ? address : address.substr(at + 1);
}

}  // namespace

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
  const std::string_view trimmed = text::Trim(path);
  if (trimmed.empty() || text::Trim(extension).empty()) return std::string(path);
  const std::size_t nameStart = trimmed.find_last_of("\\/");
  const std::size_t from = nameStart == std::string_view::npos ? 0 : nameStart + 1;
  const std::size_t dot = trimmed.rfind('.');
  if (dot == std::string_view::npos || dot < from) return std::string(path);
  std::string out(trimmed.substr(0, dot + 1));
  out.append(extension);
  return out;
}

std::optional<std::filesystem::path> NoteFileForAddress(const Dirs& dirs, std::string_view address) {
  const std::string_view name = text::Trim(AddressFileName(address));
  if (name.empty() || name == "." || name == "..") return std::nullopt;
  // A name without a dot gets the extension appended: the note of "readme"
  // must not be a file named like the page itself.
  const std::string noteName =
      name.find('.') == std::string_view::npos ? std::string(name) + ".txt" : ReplaceExtension(name, "txt");
  // One component with no separator: the note lies directly in NotesDir.
  // Letter case may differ on an archive copied from Windows.
  return StoredNameToPath(dirs.NotesDir(), noteName);
}

}  // namespace lrv
