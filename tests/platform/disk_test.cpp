#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "base/files.h"
#include "platform/system_disk.h"

namespace lrv {
namespace {

TEST(FixedDisk, OnlyRemovableAndOpticalMediaAreNotFixed) {
  const struct {
    MediumKind kind;
    bool fixed;
  } cases[] = {
      {MediumKind::Fixed, true},  {MediumKind::Removable, false}, {MediumKind::Optical, false},
      {MediumKind::Network, true}, {MediumKind::Ram, true},        {MediumKind::Unknown, true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsFixedMedium(c.kind), c.fixed) << static_cast<int>(c.kind);
}

TEST(FixedDisk, MediumKindFromWhatTheSystemSays) {
  const struct {
    const char* name;
    MediumFacts facts;
    MediumKind kind;
  } cases[] = {
      {"fixed disk", {false, "ext4", 0xEF53}, MediumKind::Fixed},
      {"usb stick", {true, "vfat", 0x4d44}, MediumKind::Removable},
      {"usb stick, type unknown", {true, "", std::nullopt}, MediumKind::Removable},
      {"cd by mount table", {std::nullopt, "iso9660", std::nullopt}, MediumKind::Optical},
      {"cd by statfs", {std::nullopt, "", 0x9660}, MediumKind::Optical},
      {"dvd by statfs", {std::nullopt, "", 0x15013346}, MediumKind::Optical},
      {"dvd in a removable drive", {true, "udf", std::nullopt}, MediumKind::Optical},
      {"iso image on a fixed disk", {false, "iso9660", std::nullopt}, MediumKind::Optical},
      {"type in capitals", {std::nullopt, "ISO9660", std::nullopt}, MediumKind::Optical},
      {"network share", {std::nullopt, "nfs4", std::nullopt}, MediumKind::Network},
      {"windows share", {std::nullopt, "cifs", std::nullopt}, MediumKind::Network},
      {"ram disk", {std::nullopt, "tmpfs", 0x01021994}, MediumKind::Ram},
      {"container layer", {std::nullopt, "overlay", 0x794c7630}, MediumKind::Unknown},
      {"nothing known", {std::nullopt, "", std::nullopt}, MediumKind::Unknown},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyMedium(c.facts), c.kind) << c.name;
}

TEST(FreeDiskMegabytes, DiscardsTheRemainderOfEachDivision) {
  const struct {
    std::uint64_t bytes;
    std::int64_t megabytes;
  } cases[] = {
      {0, 0},
      {1048575, 0},
      {1048576, 1},
      {2 * 1048576ull - 1, 1},
      {2 * 1048576ull, 2},
      {5 * 1048576ull - 1, 4},
      {5 * 1048576ull, 5},
      {1ull << 40, 1 << 20},
      {~0ull, static_cast<std::int64_t>(~0ull >> 20)},
  };
  for (const auto& c : cases) EXPECT_EQ(WholeMegabytes(c.bytes), c.megabytes) << c.bytes;
}

class FakeSys : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("lrv-sys-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    // A fixed disk sda with one partition, a removable disk sdb with one,
    // and a device whose flag is unreadable.
    MakeDisk("sda", "0\n");
    MakeDisk("sdb", "1\n");
    MakeDisk("weird", "yes\n");
    fs::create_directories(root_ / "dev/block");
    Link("8:0", "sda");
    Link("8:1", "sda/sda1");
    Link("8:16", "sdb");
    Link("8:17", "sdb/sdb1");
    Link("9:0", "weird");
  }
  void TearDown() override { fs::remove_all(root_); }

  void MakeDisk(const std::string& disk, const std::string& removable) {
    const fs::path folder = root_ / "devices/pci0000:00/block" / disk;
    fs::create_directories(folder / (disk + "1"));
    std::ofstream(folder / "removable") << removable;
    std::ofstream(folder / (disk + "1") / "partition") << "1\n";
    std::ofstream(folder / (disk + "1") / "removable") << "0\n";  // partitions carry no real flag
  }
  void Link(const std::string& id, const std::string& target) {
    fs::create_directory_symlink(fs::path("../../devices/pci0000:00/block") / target, root_ / "dev/block" / id);
  }
  fs::path root_;
};

TEST_F(FakeSys, RemovableFlagComesFromTheDiskOfAPartition) {
  const struct {
    unsigned major, minor;
    std::optional<bool> removable;
  } cases[] = {
      {8, 0, false}, {8, 1, false}, {8, 16, true}, {8, 17, true}, {9, 0, std::nullopt}, {7, 3, std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsRemovableBlockDevice(root_, c.major, c.minor), c.removable) << c.major << ":" << c.minor;
}

TEST(MountInfo, TheDeepestMountHoldingTheFileGivesItsType) {
  const std::string mountinfo =
      "21 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
      "22 21 0:21 / /proc rw,nosuid - proc proc rw\n"
      "30 21 8:17 / /media/usb rw,relatime shared:5 - vfat /dev/sdb1 rw\n"
      "31 21 11:0 / /media/cd ro,relatime - iso9660 /dev/sr0 ro\n"
      "32 21 8:2 / /mnt/my\\040disk rw - xfs /dev/sda2 rw\n"
      "33 21 0:40 / /media/usb/stack rw - tmpfs tmpfs rw\n"
      "34 21 0:41 / /media/cd ro - udf /dev/sr1 ro\n"  // mounted over the first disc
      "garbage line\n";
  const struct {
    const char* file;
    const char* type;
    const char* source;
  } cases[] = {
      {"/home/user/lorvane", "ext4", "/dev/sda1"},
      {"/media/usb/lorvane/lorvane", "vfat", "/dev/sdb1"},
      {"/media/usbx/lorvane", "ext4", "/dev/sda1"},
      {"/media/usb/stack/x", "tmpfs", "tmpfs"},
      {"/media/cd/lorvane", "udf", "/dev/sr1"},
      {"/mnt/my disk/lorvane", "xfs", "/dev/sda2"},
      {"/media/usb", "vfat", "/dev/sdb1"},
  };
  for (const auto& c : cases) {
    const MountEntry mount = MountOfFile(mountinfo, c.file);
    EXPECT_EQ(mount.type, c.type) << c.file;
    EXPECT_EQ(mount.source, c.source) << c.file;
  }
  EXPECT_EQ(MountOfFile("", "/x").type, "");
}

TEST(SystemDisk, AnswersSanelyForTheTemporaryFolder) {
  const fs::path tmp = fs::temp_directory_path();
  SystemDisk disk(tmp);
  EXPECT_TRUE(disk.IsOnFixedDisk());
  const auto free = disk.FreeDiskMegabytes(tmp, true);
  const auto total = disk.FreeDiskMegabytes(tmp, false);
  EXPECT_GT(free, 0);
  EXPECT_GE(total, free);
  EXPECT_EQ(disk.FreeDiskMegabytes(tmp / "no-such-folder-lrv" / "x", true), -1);
}

TEST(SystemDisk, TheTestProgramRunsFromAFixedDisk) {
  SystemDisk disk;
  EXPECT_TRUE(disk.IsOnFixedDisk());
}

}  // namespace
}  // namespace lrv
