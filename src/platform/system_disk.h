#pragma once
// The real Disk: which kind of medium holds the running program, and how
// much room is left on a disk.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/disk.h"

namespace lrv {

enum class MediumKind { Fixed, Removable, Optical, Network, Ram, Unknown };

// The write gate: only removable media and optical discs are not fixed.
// Anything we cannot tell apart counts as fixed, so that a failed probe
// never stops the program from saving its data.
bool IsFixedMedium(MediumKind kind);

// What could be learnt about the medium holding a file. Each fact may be
// missing when the system does not say.
struct MediumFacts {
  std::optional<bool> removableDevice;           // the block device's removable flag
  std::string filesystemType;                    // as in /proc/self/mountinfo ("ext4", "iso9660")
  std::optional<std::uint64_t> filesystemMagic;  // statfs f_type
};
MediumKind ClassifyMedium(const MediumFacts& facts);

// Bytes as whole mebibytes: divided by 1024 twice, discarding the remainder
// each time.
std::int64_t WholeMegabytes(std::uint64_t bytes);

// Linux probes, taking the roots as parameters so that tests can feed a
// made-up /sys tree and mount table.
//
// The removable flag of the disk behind the block device major:minor
// (a partition answers for its parent disk); nullopt when unknown.
std::optional<bool> IsRemovableBlockDevice(const std::filesystem::path& sysRoot, unsigned major,
                                           unsigned minor);
// The mount that holds `file` (an absolute, canonical path), from the text
// of /proc/self/mountinfo: the mount with the longest mount point containing
// it, the later one of equal mounts. Empty fields when no line fits.
struct MountEntry {
  std::string type;    // "ext4", "iso9660"
  std::string source;  // "/dev/sdb1"; names no device for virtual file systems
};
MountEntry MountOfFile(std::string_view mountinfo, const std::filesystem::path& file);

class SystemDisk : public Disk {
 public:
  // `probe` is the file whose medium IsOnFixedDisk judges; empty means the
  // running executable. The medium is probed once: it cannot change under
  // a running program, and enabling rules ask several times a second.
  explicit SystemDisk(std::filesystem::path probe = {});

  bool IsOnFixedDisk() override;
  // -1 when the disk cannot be asked.
  std::int64_t FreeDiskMegabytes(const std::filesystem::path& path, bool freeOnly) override;

  // The medium holding `file`, probed afresh.
  static MediumKind MediumOf(const std::filesystem::path& file);

 private:
  std::filesystem::path probe_;
  std::optional<bool> fixed_;
};

}  // namespace lrv
