#pragma once
// Where an article's note lives: one text file in NotesDir per page, named
// after the page's file with the extension "txt". Two pages with the same
// file name in different folders share one note. Every note path the
// program forms comes from here and lies directly inside NotesDir.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/paths.h"

namespace lrv {

// `path` trimmed, with the extension of its last component replaced by
// `extension` (given without a dot). A blank path or extension, or a last
// component without a dot, returns the path unchanged. Only the last
// component is looked at, so a dot in a folder name never cuts the path
// there (which would name a file outside the folder).
std::string ReplaceExtension(std::string_view path, std::string_view extension);

// The note file of the page at `address` (Windows-1251): NotesDir / the
// address's file name with the extension "txt" (appended to a name without
// a dot). nullopt when the address
// names no file ("", ".", "..") — no path outside NotesDir is ever formed.
std::optional<std::filesystem::path> NoteFileForAddress(const Dirs& dirs, std::string_view address);

// The note file of a catalogue article by its stored file name (column 2).
inline std::optional<std::filesystem::path> NoteFileForArticle(const Dirs& dirs, std::string_view fileName) {
  return NoteFileForAddress(dirs, fileName);
}

}  // namespace lrv
