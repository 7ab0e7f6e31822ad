#include <gtest/gtest.h>

#include "platform/desktop_files.h"
#include "platform/posix_system_info.h"
#include "platform/system_clock.h"

namespace lrv {
namespace {

TEST(OsVersion, MajorMinorAndBuildFromTheKernelRelease) {
  const struct {
    const char* release;
    int major, minor;
    std::uint32_t build;
  } cases[] = {
      {"6.1.0-18-amd64", 6, 1, 0}, {"5.15.133.1-microsoft-standard-WSL2", 5, 15, 133},
      {"4.19", 4, 19, 0},          {"3", 3, 0, 0},
      {"", 0, 0, 0},               {"weird", 0, 0, 0},
      {"99999999999.2.3", 0x7FFFFFFF, 2, 3},
  };
  for (const auto& c : cases) {
    const OsVersion v = OsVersionFromRelease("Linux", c.release);
    EXPECT_EQ(v.platform, OsPlatform::Other) << c.release;
    EXPECT_EQ(v.platformName, "Linux");
    EXPECT_EQ(v.major, c.major) << c.release;
    EXPECT_EQ(v.minor, c.minor) << c.release;
    EXPECT_EQ(v.build, c.build) << c.release;
    EXPECT_EQ(v.servicePack, "");
  }
}

TEST(PosixSystemInfo, DescribesThisComputer) {
  PosixSystemInfo info;
  const OsVersion v = info.Version();
  EXPECT_EQ(v.platform, OsPlatform::Other);
  EXPECT_EQ(v.platformName, "Linux");
  EXPECT_GT(v.major, 0);
  EXPECT_GT(info.PhysicalMemoryBytes(), 16ull * 1024 * 1024);
  EXPECT_FALSE(info.UserName().empty());
}

TEST(SystemClock, GivesAPlausibleLocalDate) {
  SystemClock clock;
  const DateTime now = clock.Now();
  EXPECT_GE(now.date.year, 2024);
  EXPECT_TRUE(now.date.month >= 1 && now.date.month <= 12);
  EXPECT_TRUE(now.date.day >= 1 && now.date.day <= 31);
  EXPECT_TRUE(now.hour >= 0 && now.hour < 24 && now.minute >= 0 && now.minute < 60);
  EXPECT_GE(clock.Today(), now.date);
}

TEST(DesktopFiles, ExecArgumentsAreQuotedAndEscaped) {
  const struct {
    const char* argument;
    const char* written;
  } cases[] = {
      {"/usr/bin/lorvane", R"("/usr/bin/lorvane")"},
      {"/opt/my programs/lorvane", R"("/opt/my programs/lorvane")"},
      {"/opt/$HOME`x`/\"q\"", R"("/opt/\\$HOME\\`x\\`/\\"q\\"")"},
      {"/opt/a\\b", R"("/opt/a\\\\b")"},
      {"/opt/100%/lorvane", R"("/opt/100%%/lorvane")"},
      {"/opt/new\nline", R"("/opt/new\nline")"},
  };
  for (const auto& c : cases) EXPECT_EQ(DesktopExecArgument(c.argument), c.written) << c.argument;
}

TEST(DesktopFiles, OneTypePerUsableExtension) {
  EXPECT_EQ(MimeTypeOfExtension("tree"), "application/x-lorvane-tree");
  EXPECT_EQ(MimeTypeOfExtension("TREE"), "application/x-lorvane-tree");
  EXPECT_EQ(IconNameOfExtension("day"), "application-x-lorvane-day");
  for (const char* bad : {"", "a*b", "a b", "x/y", "a.b", "т"}) EXPECT_EQ(MimeTypeOfExtension(bad), "") << bad;

  const std::vector<FileTypeRegistration> types = {
      {"tree", "Каталог & копия <Lorvane>", "/opt/lorvane/base/images/tree.ico"},
      {"day", "Дневная копия", ""},
      {"bad*", "skipped", ""},
  };
  const std::string entry = DesktopEntryText("/opt/lorvane/lorvane", types, "application-x-lorvane-tree");
  EXPECT_NE(entry.find("\nExec=\"/opt/lorvane/lorvane\" %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nMimeType=application/x-lorvane-tree;application/x-lorvane-day;\n"), std::string::npos)
      << entry;
  EXPECT_NE(entry.find("\nIcon=application-x-lorvane-tree\n"), std::string::npos) << entry;
  EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);

  const std::string xml = MimePackageText(types);
  EXPECT_NE(xml.find("<mime-type type=\"application/x-lorvane-tree\">\n"
                     "    <comment>Каталог &amp; копия &lt;Lorvane&gt;</comment>\n"
                     "    <icon name=\"application-x-lorvane-tree\"/>\n"
                     "    <glob pattern=\"*.tree\"/>\n"),
            std::string::npos)
      << xml;
  EXPECT_NE(xml.find("<mime-type type=\"application/x-lorvane-day\">\n"
                     "    <comment>Дневная копия</comment>\n"
                     "    <glob pattern=\"*.day\"/>\n"),
            std::string::npos)
      << xml;
  EXPECT_EQ(xml.find("bad"), std::string::npos);
}

}  // namespace
}  // namespace lrv
