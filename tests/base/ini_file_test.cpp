#include "base/ini_file.h"

#include <gtest/gtest.h>

namespace lrv {
namespace {

TEST(IniFile, ReadsLikeTheSystemIniFiles) {
  const auto ini = IniFile::Parse(
      "; comment\r\n[Proxy]\r\n Host = proxy.local \r\nPort=3128\r\nUse=TRUE\r\n\r\n[other]\r\nPort=x\r\n");
  EXPECT_EQ(ini.Read("proxy", "HOST"), "proxy.local");
  EXPECT_EQ(ini.ReadInteger("Proxy", "Port", 8080), 3128);
  EXPECT_EQ(ini.ReadInteger("Other", "Port", 8080), 8080);  // not a number
  EXPECT_EQ(ini.ReadInteger("Proxy", "Missing", 7), 7);
  EXPECT_FALSE(ini.Read("Nowhere", "Host").has_value());
  EXPECT_TRUE(ini.SectionExists("OTHER"));
  EXPECT_EQ(ini.Names("Proxy"), (std::vector<std::string>{"Host", "Port", "Use"}));
}

TEST(IniFile, WritingKeepsUntouchedLinesAndAddsWhatIsMissing) {
  auto ini = IniFile::Parse("; keep me\r\n[A]\r\nx = 1\r\ny=2\r\n");
  ini.Write("a", "Y", "3");
  ini.WriteInteger("B", "z", -4);
  EXPECT_EQ(ini.Serialize(), "; keep me\r\n[A]\r\nx = 1\r\ny=3\r\n[B]\r\nz=-4\r\n");
  ini.EraseSection("a");
  EXPECT_EQ(ini.Serialize(), "; keep me\r\n[B]\r\nz=-4\r\n");
  IniFile empty;
  empty.Write("S", "k", "v");
  EXPECT_EQ(empty.Serialize(), "[S]\r\nk=v\r\n");
}

}  // namespace
}  // namespace lrv
