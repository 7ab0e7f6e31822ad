#include "viewer/browser_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace lrv::viewer {
namespace {

using Strings = std::vector<std::string>;

// Addresses under /arch/ are archive pages (they have a title); everything
// else (internet pages, about:blank) has none.
std::string TitleOf(std::string_view address) {
  return address.starts_with("/arch/") ? "title of " + std::string(address) : std::string();
}

// Plays the browser: every navigation raises before-navigate and
// navigate-complete with the address `reported` makes of it, and the
// correction navigations the history asks for are followed as well.
struct FakeBrowser {
  BrowserHistory history{TitleOf};
  int navigations = 0;
  std::function<std::string(const std::string&)> reported = [](const std::string& a) { return a; };

  void Navigate(std::string address) {
    for (int guard = 0; guard < 10; ++guard) {
      ++navigations;
      const std::string seen = reported(address);
      history.BeforeNavigate(seen);
      history.NavigateComplete(seen);
      const auto correction = history.CorrectAddressBox();
      if (!correction) return;
      address = *correction;
    }
    FAIL() << "the address box keeps reloading";
  }
  void Open(std::string_view address) { Navigate(history.GoToAddress(address)); }
  // A link click: the system did not start it.
  void ClickLink(std::string_view address) { Navigate(std::string(address)); }
};

TEST(BrowserHistoryTest, VisitingSequences) {
  struct Case {
    const char* name;
    std::function<void(FakeBrowser&)> play;
    Strings history;
    int index;
  };
  const Case cases[] = {
      {"new page after going back drops the forward entries",
       [](FakeBrowser& b) {
         b.Open("/arch/A");
         b.Open("/arch/B");
         b.Open("/arch/C");
         b.Navigate(b.history.Back());
         b.Navigate(b.history.Back());
         b.Open("/arch/D");
       },
       {"/arch/A", "/arch/D"}, 1},
      {"menu choices move the index only",
       [](FakeBrowser& b) {
         b.Open("/arch/A");
         b.Open("/arch/B");
         b.Open("/arch/A");  // chosen from the back menu (dxGoUrlClick)
         b.Open("/arch/B");  // chosen from the forward menu
       },
       {"/arch/A", "/arch/B"}, 1},
      {"back and forward never truncate",
       [](FakeBrowser& b) {
         b.Open("/arch/A");
         b.Open("/arch/B");
         b.Open("/arch/C");
         b.Navigate(b.history.Back());
         b.Navigate(b.history.Back());
         b.Navigate(b.history.Forward());
       },
       {"/arch/A", "/arch/B", "/arch/C"}, 1},
      {"an address differing in letter case is the same entry",
       [](FakeBrowser& b) {
         b.Open("/arch/Base/A.html");
         b.Open("/arch/B");
         b.Open("/ARCH/base/a.HTML");
       },
       {"/arch/Base/A.html", "/arch/B"}, 0},
      {"mailto links change nothing",
       [](FakeBrowser& b) {
         b.Open("/arch/A");
         b.ClickLink("mailto:someone@example.org");
       },
       {"/arch/A"}, 0},
      {"the blank start page enters the history",
       [](FakeBrowser& b) { b.Navigate(b.history.StartPage()); },
       {"about:blank"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeBrowser browser;
    c.play(browser);
    EXPECT_EQ(browser.history.Entries(), c.history);
    EXPECT_EQ(browser.history.Index(), c.index);
  }
}

TEST(BrowserHistoryTest, MailtoLeavesTheAddressListAlone) {
  FakeBrowser b;
  b.Open("/arch/A");
  b.ClickLink("mailto:someone@example.org");
  EXPECT_EQ(b.history.AddressList(), Strings{"/arch/A"});
  EXPECT_EQ(b.history.CurrentEntry(), "/arch/A");
}

TEST(BrowserHistoryTest, BackAndForwardAreEnabledOnlyWithANeighbour) {
  FakeBrowser b;
  EXPECT_FALSE(b.history.CanGoBack());
  EXPECT_FALSE(b.history.CanGoForward());
  b.Open("/arch/A");
  EXPECT_FALSE(b.history.CanGoBack());
  b.Open("/arch/B");
  EXPECT_TRUE(b.history.CanGoBack());
  EXPECT_FALSE(b.history.CanGoForward());
  b.Navigate(b.history.Back());
  EXPECT_FALSE(b.history.CanGoBack());
  EXPECT_TRUE(b.history.CanGoForward());
}

TEST(BrowserHistoryTest, AStepOntoABlankEntryReloadsTheAddressBox) {
  BrowserHistory h(TitleOf);
  h.BeforeNavigate("  ");
  h.GoToAddress("/arch/A");
  h.BeforeNavigate("/arch/A");
  h.SetBoxText("typed");
  EXPECT_EQ(h.Back(), "typed");
  EXPECT_TRUE(h.OwnNavigation());
}

TEST(BrowserHistoryTest, OwnNavigationIsRecordedOnce) {
  BrowserHistory h(TitleOf);
  h.GoToAddress("/arch/A");
  EXPECT_TRUE(h.OwnNavigation());
  h.BeforeNavigate("/arch/A");
  EXPECT_FALSE(h.OwnNavigation());
  // A frame or redirect of the same navigation: no second list entry.
  h.BeforeNavigate("/arch/A");
  EXPECT_EQ(h.Entries(), Strings{"/arch/A"});
  EXPECT_EQ(h.AddressList(), Strings{"/arch/A"});
}

TEST(BrowserHistoryTest, AddressListKeepsNewestFirstWithoutDuplicates) {
  FakeBrowser b;
  b.Open("/arch/A");
  b.Open("/arch/B");
  b.Open("/arch/C");
  b.Open("/ARCH/a");  // moves the old entry to the top, keeping its text
  EXPECT_EQ(b.history.AddressList(), (Strings{"/arch/A", "/arch/C", "/arch/B"}));
  EXPECT_EQ(b.history.CurrentEntryIndex(), 0);
  EXPECT_EQ(b.history.BoxText(), "/arch/A");
}

TEST(BrowserHistoryTest, LinksFromPagesAndTheCorrection) {
  {
    SCOPED_TRACE("a link on an archive page enters the list directly");
    FakeBrowser b;
    b.Open("/arch/A");
    const int before = b.navigations;
    b.ClickLink("/arch/B");
    EXPECT_EQ(b.navigations - before, 1);
    EXPECT_EQ(b.history.AddressList(), (Strings{"/arch/B", "/arch/A"}));
  }
  {
    SCOPED_TRACE("a link on an internet page enters the list through one correction");
    FakeBrowser b;
    b.Open("/arch/A");
    b.Open("http://site.org/");
    const int before = b.navigations;
    b.ClickLink("http://site.org/page.html");
    EXPECT_EQ(b.navigations - before, 2);
    EXPECT_EQ(b.history.AddressList(), (Strings{"http://site.org/page.html", "http://site.org/", "/arch/A"}));
    EXPECT_EQ(b.history.CurrentEntry(), "http://site.org/page.html");
    EXPECT_EQ(b.history.Entries(), (Strings{"/arch/A", "http://site.org/", "http://site.org/page.html"}));
  }
}

TEST(BrowserHistoryTest, TheCorrectionCannotReloadForever) {
  {
    SCOPED_TRACE("the list keeps an entry differing only in case");
    FakeBrowser b;
    b.history.RestoreAddressList({"/ARCH/A.HTML"});
    b.ClickLink("/arch/a.html");
    EXPECT_EQ(b.navigations, 1);
  }
  {
    SCOPED_TRACE("the browser reports another address each time (a redirect)");
    FakeBrowser b;
    int counter = 0;
    b.reported = [&](const std::string& a) { return a + "?r=" + std::to_string(++counter); };
    b.Open("http://site.org/");
    b.ClickLink("http://site.org/loop");
    EXPECT_LE(b.navigations, 3);
  }
}

TEST(BrowserHistoryTest, AddressBox) {
  BrowserHistory h(TitleOf);
  EXPECT_FALSE(h.ShouldOpenDropDown(false));
  h.GoToAddress("/arch/A");
  h.BeforeNavigate("/arch/A");
  EXPECT_TRUE(h.ShouldOpenDropDown(false));
  EXPECT_FALSE(h.ShouldOpenDropDown(true));

  // Choosing an entry (in any case) navigates; a text not in the list only
  // navigates on Enter.
  EXPECT_EQ(h.AddressBoxChanged("/ARCH/a"), std::optional<std::string>("/ARCH/a"));
  EXPECT_EQ(h.AddressBoxChanged("/arch/typed"), std::nullopt);
  EXPECT_EQ(h.NavigateAddressBox(), "/arch/typed");
}

TEST(BrowserHistoryTest, ShiftDeleteEmptiesTheList) {
  FakeBrowser b;
  b.Open("/arch/A");
  b.Open("/arch/B");
  b.history.ClearAddressList();
  EXPECT_TRUE(b.history.AddressList().empty());
  EXPECT_EQ(b.history.CurrentEntryIndex(), -1);
  b.Open("/arch/C");
  EXPECT_EQ(b.history.AddressList(), Strings{"/arch/C"});
}

}  // namespace
}  // namespace lrv::viewer

namespace lrv::viewer {
namespace {

TEST(AddressListValue, RoundTripsEveryEntry) {
  const std::vector<std::string> list = {"C:\\base\\a|b.html", "http://site.org/?q=100%25", "about:blank",
                                         "line\nbreak", "\xC0\xE1\xE2.html"};
  const std::string value = EncodeAddressList(list);
  EXPECT_EQ(value.find('\n'), std::string::npos);
  EXPECT_EQ(DecodeAddressList(value), list);
  EXPECT_EQ(DecodeAddressList(""), std::vector<std::string>{});
  // Damaged values lose nothing that can be read.
  EXPECT_EQ(DecodeAddressList("a||b|%zz|%4"), (std::vector<std::string>{"a", "b", "%zz", "%4"}));
}

}  // namespace
}  // namespace lrv::viewer
