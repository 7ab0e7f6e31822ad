#include "catalogue/backups.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "base/files.h"
#include "base/text.h"
#include "catalogue/json_cursor.h"
#include "catalogue/tree_file.h"

namespace lrv {

namespace fs = std::filesystem;

namespace {

bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t extra = 0;
    char32_t cp = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + extra >= s.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF.
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += extra + 1;
  }
  return true;
}

bool HasExtensionNoCase(const std::string& ansiName, std::string_view extension) {
  return ansiName.size() >= extension.size() &&
         text::EqualsNoCase(std::string_view(ansiName).substr(ansiName.size() - extension.size()), extension);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

}  // namespace

std::string DayBackupName(const Date& date) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d%02d%02d", date.year % 10000, date.month % 100, date.day % 100);
  return std::string("tree_") + digits + ".day";
}

std::string DayBackupLabel(const fs::path& fileName) {
  static const std::string kPrefix = "Копия за ";
  // "tree_yyyymmdd.day": the date sits at characters 6 to 13, counted in
  // the archive's single-byte text.
  const std::string name = AnsiFileName(fileName);
  constexpr std::size_t kDateAt = 5, kDateLength = 8;
  const bool dated = name.size() >= kDateAt + kDateLength &&
                     std::all_of(name.begin() + kDateAt, name.begin() + kDateAt + kDateLength, IsDigit);
  if (!dated) return kPrefix + DisplayFileName(fileName);
  const std::string_view date = std::string_view(name).substr(kDateAt, kDateLength);
  std::string label = kPrefix;
  label.append(date.substr(6, 2)).append(".").append(date.substr(4, 2)).append(".").append(date.substr(0, 4));
  return label;
}

std::vector<fs::path> FilesWithExtension(const fs::path& folder, std::string_view extension) {
  struct Found {
    std::string key;
    fs::path path;
  };
  std::vector<Found> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string key = AnsiFileName(it->path().filename());
    if (!HasExtensionNoCase(key, extension)) continue;
    found.push_back({std::move(key), it->path()});
  }
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    const int order = text::CompareNoCase(a.key, b.key);
    return order != 0 ? order < 0 : a.path.native() < b.path.native();
  });
  std::vector<fs::path> paths;
  paths.reserve(found.size());
  for (Found& f : found) paths.push_back(std::move(f.path));
  return paths;
}

std::vector<BackupEntry> ListBackups(const Dirs& dirs) {
  std::vector<BackupEntry> list;
  const std::pair<std::string_view, const char*> fixed[] = {
      {kTreeFirstName, "Первоначальный вид дерева"},
      {kTreeLastName, "Успешная последняя загрузка"},
      {kTreeAutoName, "Копия автосохранения"},
  };
  for (const auto& [name, label] : fixed) {
    const fs::path file = dirs.BaseFile(name);
    if (IsRegularFile(file)) list.push_back({label, file});
  }
  for (const fs::path& file : FilesWithExtension(dirs.baseDir, ".day"))
    list.push_back({DayBackupLabel(file.filename()), file});
  for (const fs::path& file : FilesWithExtension(dirs.baseDir, ".tree"))
    list.push_back({"Файл " + DisplayFileName(file.filename()), file});
  return list;
}

void RotateDayBackups(const Dirs& dirs) {
  const std::vector<fs::path> days = FilesWithExtension(dirs.baseDir, ".day");
  if (days.size() <= kKeptDayBackups) return;
  const std::size_t surplus = days.size() - kKeptDayBackups;
  for (std::size_t i = 0; i < surplus; ++i) {
    MakeWritable(days[i]);
    std::error_code ec;
    fs::remove(days[i], ec);
  }
}

void WriteStartupBackups(const Catalogue& catalogue, const Dirs& dirs, Disk& disk, Clock& clock) {
  if (!disk.IsOnFixedDisk()) return;
  EnsureFolder(dirs.baseDir);
  const fs::path first = dirs.BaseFile(kTreeFirstName);
  if (!Exists(first)) SaveTree(catalogue, first);
  // Replaced in one step: there is no moment without a "tree.last".
  const fs::path last = dirs.BaseFile(kTreeLastName);
  MakeWritable(last);
  SaveTree(catalogue, last);
  RotateDayBackups(dirs);
  const fs::path today = dirs.BaseFile(DayBackupName(clock.Today()));
  if (!Exists(today)) SaveTree(catalogue, today);
}

std::string AnsiFileName(const fs::path& name) {
  const std::string& native = name.native();
  if (!IsValidUtf8(native)) return native;  // already single-byte text
  return PathToAnsi(name);
}

std::string DisplayFileName(const fs::path& name) {
  const std::string& native = name.native();
  if (IsValidUtf8(native)) return native;
  return text::Cp1251ToUtf8(native);
}

std::string BackupsJson(const fs::path& baseDir) {
  const std::vector<BackupEntry> list = ListBackups(Dirs::ForBaseDir(baseDir));
  std::string out = "[";
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) out += ", ";
    out += "{\"label\": ";
    json::AppendString(out, list[i].label);
    out += ", \"file\": ";
    json::AppendString(out, DisplayFileName(list[i].file.filename()));
    out += "}";
  }
  out += "]";
  return out;
}

}  // namespace lrv
