#include "platform/system_disk.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"

#if defined(__linux__)
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#endif

namespace lrv {

namespace {

constexpr std::uint64_t kIso9660Magic = 0x9660;
constexpr std::uint64_t kUdfMagic = 0x15013346;

bool IsOneOf(std::string_view value, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), value) != names.end();
}

// Mount points in mountinfo write space, tab, newline and backslash as
// three-digit octal escapes.
std::string UnescapeMountField(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string_view digits = field.substr(i + 1, 3);
      if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        out.push_back(static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 + (digits[2] - '0')));
        i += 3;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && line[pos] == ' ') ++pos;
    if (pos >= line.size()) break;
    const std::size_t end = std::min(line.find(' ', pos), line.size());
    fields.push_back(line.substr(pos, end - pos));
    pos = end;
  }
  return fields;
}

bool MountContains(std::string_view mountPoint, std::string_view file) {
  if (mountPoint == "/") return !file.empty() && file.front() == '/';
  if (file.size() < mountPoint.size() || file.substr(0, mountPoint.size()) != mountPoint) return false;
  return file.size() == mountPoint.size() || file[mountPoint.size()] == '/';
}

}  // namespace

bool IsFixedMedium(MediumKind kind) { return kind != MediumKind::Removable && kind != MediumKind::Optical; }

MediumKind ClassifyMedium(const MediumFacts& facts) {
  const std::string type = text::Lower(facts.filesystemType);
  if (facts.filesystemMagic == kIso9660Magic || facts.filesystemMagic == kUdfMagic ||
      IsOneOf(type, {"iso9660", "udf"}))
    return MediumKind::Optical;
  if (facts.removableDevice == true) return MediumKind::Removable;
  if (IsOneOf(type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "9p", "ceph", "glusterfs",
                     "fuse.sshfs", "fuse.glusterfs", "davfs", "fuse.davfs2"}))
    return MediumKind::Network;
  if (IsOneOf(type, {"tmpfs", "ramfs"})) return MediumKind::Ram;
  if (facts.removableDevice == false) return MediumKind::Fixed;
  return MediumKind::Unknown;
}

std::int64_t WholeMegabytes(std::uint64_t bytes) { return static_cast<std::int64_t>(bytes / 1024 / 1024); }

std::optional<bool> IsRemovableBlockDevice(const fs::path& sysRoot, unsigned major, unsigned minor) {
  std::error_code ec;
  const fs::path link = sysRoot / "dev" / "block" / (std::to_string(major) + ":" + std::to_string(minor));
  fs::path device = fs::canonical(link, ec);
  if (ec) return std::nullopt;
  // A partition's folder lies inside its disk's folder, and only the disk
  // carries the removable flag.
  if (fs::exists(device / "partition", ec)) device = device.parent_path();
  const auto flag = ReadFile(device / "removable");
  if (!flag) return std::nullopt;
  const std::string_view value = text::Trim(*flag);
  if (value == "1") return true;
  if (value == "0") return false;
  return std::nullopt;
}

MountEntry MountOfFile(std::string_view mountinfo, const fs::path& file) {
  const std::string wanted = file.generic_string();
  MountEntry best;
  std::size_t bestLength = 0;
  bool found = false;
  for (const std::string& line : text::SplitLines(mountinfo)) {
    // id parent major:minor root mount-point options [optional...] - type source super-options
    const auto fields = SplitFields(line);
    const auto dash = std::find(fields.begin(), fields.end(), std::string_view("-"));
    if (fields.size() < 5 || dash == fields.end() || dash - fields.begin() < 6 || fields.end() - dash < 3)
      continue;
    const std::string mountPoint = UnescapeMountField(fields[4]);
    if (!MountContains(mountPoint, wanted)) continue;
    if (!found || mountPoint.size() >= bestLength) {
      best = {std::string(*(dash + 1)), UnescapeMountField(*(dash + 2))};
      bestLength = mountPoint.size();
      found = true;
    }
  }
  return best;
}

SystemDisk::SystemDisk(fs::path probe) : probe_(std::move(probe)) {}

bool SystemDisk::IsOnFixedDisk() {
  if (!fixed_) fixed_ = IsFixedMedium(MediumOf(probe_.empty() ? ExecutablePath() : probe_));
  return *fixed_;
}

MediumKind SystemDisk::MediumOf(const fs::path& file) {
#if defined(__linux__)
  std::error_code ec;
  fs::path path = fs::weakly_canonical(file, ec);
  if (ec) path = file;
  MediumFacts facts;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0)
    facts.removableDevice = IsRemovableBlockDevice("/sys", major(st.st_dev), minor(st.st_dev));
  struct statfs sfs {};
  if (::statfs(path.c_str(), &sfs) == 0) facts.filesystemMagic = static_cast<std::uint64_t>(sfs.f_type);
  if (const auto mountinfo = ReadFile("/proc/self/mountinfo")) {
    const MountEntry mount = MountOfFile(*mountinfo, path);
    facts.filesystemType = mount.type;
    // Some file systems (btrfs, for one) report an anonymous device number;
    // the device they were mounted from still tells the disk.
    struct stat device {};
    if (!facts.removableDevice && mount.source.starts_with("/dev/") && ::stat(mount.source.c_str(), &device) == 0 &&
        S_ISBLK(device.st_mode))
      facts.removableDevice = IsRemovableBlockDevice("/sys", major(device.st_rdev), minor(device.st_rdev));
  }
  return ClassifyMedium(facts);
#else
  (void)file;
  return MediumKind::Unknown;
#endif
}

std::int64_t SystemDisk::FreeDiskMegabytes(const fs::path& path, bool freeOnly) {
#if defined(__linux__)
  struct statvfs vfs {};
  if (::statvfs(path.c_str(), &vfs) != 0) return -1;
  const std::uint64_t blocks = freeOnly ? vfs.f_bfree : vfs.f_blocks;
  return WholeMegabytes(static_cast<std::uint64_t>(blocks) * vfs.f_frsize);
#else
  std::error_code ec;
  const fs::space_info space = fs::space(path, ec);
  if (ec) return -1;
  return WholeMegabytes(freeOnly ? space.free : space.capacity);
#endif
}

}  // namespace lrv
