#pragma once
// The copies of the catalogue kept in BaseDir, all tree files:
//   "tree.info"   the current tree file (saved at shutdown)
//   "tree.first"  the first catalogue ever loaded
//   "tree.last"   the last successful start-up load
//   "tree.auto"   the autosave copy, refreshed after every edit
//   "tree_yyyymmdd.day"  one per day of a start-up; three older ones kept
//   "*.tree"      backups the user saved
// and the list of them that the restore window offers.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/paths.h"
#include "catalogue/catalogue.h"
#include "platform/clock.h"
#include "platform/disk.h"

namespace lrv {

inline constexpr std::string_view kTreeInfoName = "tree.info";
inline constexpr std::string_view kTreeFirstName = "tree.first";
inline constexpr std::string_view kTreeLastName = "tree.last";
inline constexpr std::string_view kTreeAutoName = "tree.auto";
inline constexpr std::string_view kOutlineListName = "menu.list";
// Where a damaged current tree file is kept: its name plus this.
inline constexpr std::string_view kDamagedSuffix = ".bad";
// Day backups kept besides today's.
inline constexpr std::size_t kKeptDayBackups = 3;

// "tree_" + yyyymmdd + ".day".
std::string DayBackupName(const Date& date);

// One entry of the restore window: its label (UTF-8) and the file it
// restores, kept with it rather than rebuilt from the label.
struct BackupEntry {
  std::string label;
  std::filesystem::path file;
};

// "Копия за dd.mm.yyyy" for a name "tree_yyyymmdd.day" (read from the
// name's characters 6 to 13, counted from 1). A name whose characters
// there are not eight digits, a short one included, is labelled
// "Копия за " + the name.
std::string DayBackupLabel(const std::filesystem::path& fileName);

// The restore window's list, in order: "tree.first", "tree.last",
// "tree.auto" when present; the ".day" files and then the ".tree" files,
// each ascending by name without regard to case. Only regular files count.
std::vector<BackupEntry> ListBackups(const Dirs& dirs);

// The regular files of `folder` whose extension is `extension` (".day",
// compared without regard to case), ascending by name without regard to
// case.
std::vector<std::filesystem::path> FilesWithExtension(const std::filesystem::path& folder,
                                                      std::string_view extension);

// Deletes the oldest ".day" files by name until kKeptDayBackups remain. A
// file that cannot be deleted is left; no newer one is taken in its place.
void RotateDayBackups(const Dirs& dirs);

// After a successful start-up load, on a fixed disk only: "tree.first" if
// it is missing, "tree.last", the rotation, and today's day backup if it
// is missing. Throws IoError when a copy cannot be written.
void WriteStartupBackups(const Catalogue& catalogue, const Dirs& dirs, Disk& disk, Clock& clock);

// A file name as UTF-8 for the screen: names that are not UTF-8 are taken
// as Windows-1251 (archives copied from Windows).
std::string DisplayFileName(const std::filesystem::path& name);
// The same name as the archive's Windows-1251 bytes ("?" for a character
// that has no such form).
std::string AnsiFileName(const std::filesystem::path& name);

// `lorvane-cli backups BASEDIR`: the restore window's list as
// [{"label": text, "file": name}, ...], UTF-8. Writes nothing.
std::string BackupsJson(const std::filesystem::path& baseDir);

}  // namespace lrv
