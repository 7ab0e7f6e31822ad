#include "viewer/addresses.h"

#include <gtest/gtest.h>

namespace lrv::viewer {
namespace {

TEST(AddressFileNamePartTest, SeparatorsDependOnTheKindOfAddress) {
  struct Case {
    const char* address;
    const char* part;
  };
  const Case cases[] = {
      {"/arch/base/a.html", "a.html"},
      {"C:\\Lrv\\base\\a.html", "a.html"},
      {"a.html", "a.html"},
      {"", ""},
      {"/arch/base/", ""},
      // In a URL "/" is no separator: an internet page never shares a
      // file name with an archive article.
      {"http://site.org/base/a.html", "//site.org/base/a.html"},
      {"about:blank", "blank"},
      {"mailto:x@y.z", "x@y.z"},
  };
  for (const Case& c : cases) EXPECT_EQ(AddressFileNamePart(c.address), c.part) << c.address;
}

TEST(AddressesTest, InternetAddressesAndSchemes) {
  EXPECT_TRUE(IsInternetAddress("http://x"));
  EXPECT_TRUE(IsInternetAddress("www.x.org"));
  EXPECT_TRUE(IsInternetAddress("res://x"));
  EXPECT_FALSE(IsInternetAddress("HTTP://x"));  // exact, at the start only
  EXPECT_FALSE(IsInternetAddress("/base/http.html"));
  EXPECT_TRUE(HasUrlScheme("about:blank"));
  EXPECT_FALSE(HasUrlScheme("C:\\base\\a.html"));
  EXPECT_FALSE(HasUrlScheme("/a:b/c.html"));
}

TEST(AddressesTest, ArticleAddressJoinsWithoutTrimmingOrFolding) {
  EXPECT_EQ(ArticleAddress("/arch/base/", " Sub\\A.html"), "/arch/base/ Sub/A.html");
  EXPECT_EQ(AddressKey("  /Arch/Base/A.HTML "), "/arch/base/a.html");
}

}  // namespace
}  // namespace lrv::viewer
