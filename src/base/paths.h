#pragma once
// Where the program's folders lie and how stored names become real paths.
//
// Folders are std::filesystem::path values in the native encoding. Names
// stored in the archive (article files, tree files) are Windows-1251 bytes
// and may use backslashes as folder separators; StoredNameToPath maps them
// to the native separator and file-name encoding.

#include <filesystem>
#include <string>
#include <string_view>

namespace lrv {

namespace fs = std::filesystem;

// The program's folder layout. BaseDir holds the articles and every data
// file; NotesDir, TempDir and the images folder lie inside it.
struct Dirs {
  fs::path programDir;  // folder of the executable
  fs::path baseDir;     // programDir / "base", or $LORVANE_BASE_DIR

  fs::path NotesDir() const { return baseDir / "notes"; }
  fs::path TempDir() const { return baseDir / "temp"; }
  fs::path ImagesDir() const { return baseDir / "images"; }
  fs::path HelpFile() const { return programDir / "lrvhelp.hlp"; }
  // A file directly in BaseDir by its fixed name ("tree.info", "menu.list").
  fs::path BaseFile(std::string_view name) const { return baseDir / fs::path(std::string(name)); }

  // ProgramDir from the running executable; BaseDir from LORVANE_BASE_DIR
  // (with or without a trailing separator) when it is set and not empty.
  static Dirs ForThisProgram();
  // For tests and tools that work on some archive folder.
  static Dirs ForBaseDir(const fs::path& baseDir);
};

// Folder of the running executable.
fs::path ExecutableDir();
fs::path ExecutablePath();

// A stored Windows-1251 name (relative to `folder`, backslashes allowed) as
// a native path. When no file of exactly that name exists, each component is
// looked up again without regard to letter case (archives copied from
// case-insensitive systems); the exact mapping is returned when neither exists.
fs::path StoredNameToPath(const fs::path& folder, std::string_view storedName);

// The exact native form of a stored name, without the file-system lookup.
fs::path StoredNameToNative(std::string_view storedName);

// A native path as the archive's Windows-1251 bytes (characters with no
// Windows-1251 form become '?'), and back.
std::string PathToAnsi(const fs::path& p);
fs::path AnsiToPath(std::string_view ansi);

// The root of the project web site and its e-mail address.
// LORVANE_SITE_ROOT overrides the site root (tests, mirrors); no trailing "/".
std::string ProjectSiteRoot();
inline constexpr std::string_view kDefaultProjectSiteRoot = "http://lorvane.example.org";
inline constexpr std::string_view kProjectEmail = "support@lorvane.example.org";

}  // namespace lrv
