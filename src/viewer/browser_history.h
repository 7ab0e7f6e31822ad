#pragma once
// The browser host's navigation state without a browser: the address box
// (text, address list, current entry), the back/forward history and the
// flag that tells the system's own navigations from the page's. The window
// feeds it the browser's events and navigates wherever a call returns an
// address; it never decides anything itself.
//
// Addresses are in the archive's form (see addresses.h). Entries of both
// lists compare without regard to letter case.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lrv::viewer {

class BrowserHistory {
 public:
  // The page title of an address (PageTitleForAddress); empty for a page
  // that is no archive page. Used to tell where a link was clicked.
  using PageTitleLookup = std::function<std::string(std::string_view address)>;

  explicit BrowserHistory(PageTitleLookup pageTitle);

  // ---- Starting navigations. Each returns the address the browser must
  // now navigate to.

  // NavigateAddressBox: the next before-navigate is the system's own.
  std::string NavigateAddressBox();
  // GoToAddress: the address into the box's text, then NavigateAddressBox.
  std::string GoToAddress(std::string_view address);
  // The deferred start page: "about:blank".
  std::string StartPage() { return GoToAddress("about:blank"); }
  // acBack / acForward: the neighbouring history entry into the box unless
  // it is blank (or missing), then NavigateAddressBox in every case.
  std::string Back();
  std::string Forward();
  bool CanGoBack() const;
  bool CanGoForward() const;

  // ---- Browser events (main frame only).

  // WebBrowserBeforeNavigate2: history, own-navigation flag, address list.
  void BeforeNavigate(std::string_view address);
  // First step of the navigate-complete sequence.
  void NavigateComplete(std::string_view address) { lastCompletedAddress_ = std::string(address); }
  // Last step of the navigate-complete sequence (dxURLTempClick): when the
  // box's current entry is not the completed address, navigate there once
  // more as the system's own navigation so that it enters the address list.
  // Compared without regard to case, and never for the completion of such a
  // correction itself, so a page can never reload endlessly.
  std::optional<std::string> CorrectAddressBox();

  // ---- Address box.

  const std::string& BoxText() const { return boxText_; }
  // The user edits the text; nothing navigates.
  void SetBoxText(std::string_view text) { boxText_ = std::string(text); }
  // cbUrlsChange, for changes made by the user only: a text equal to an
  // entry of the list (ignoring case) navigates at once.
  std::optional<std::string> AddressBoxChanged(std::string_view text);
  // cbURLsKeyPress: open the drop-down on a character key?
  bool ShouldOpenDropDown(bool dropDownOpen) const { return !dropDownOpen && !addressList_.empty(); }
  // Shift+Delete.
  void ClearAddressList();
  // The stored list at start-up (newest first); no entry is current.
  void RestoreAddressList(std::vector<std::string> addresses);
  const std::vector<std::string>& AddressList() const { return addressList_; }
  // -1 when no entry is current.
  int CurrentEntryIndex() const { return currentEntry_; }
  // The current entry's text, or "" when there is none.
  std::string CurrentEntry() const;

  // ---- History.
  const std::vector<std::string>& Entries() const { return history_; }
  int Index() const { return index_; }
  bool OwnNavigation() const { return ownNavigation_; }
  const std::string& LastCompletedAddress() const { return lastCompletedAddress_; }

 private:
  std::string Step(int offset);
  void MakeCurrent(int entry);

  PageTitleLookup pageTitle_;
  std::vector<std::string> history_;
  int index_ = -1;
  bool ownNavigation_ = false;
  std::string lastCompletedAddress_;
  // A correction navigation is under way, until the next completion.
  bool correcting_ = false;

  std::string boxText_;
  std::vector<std::string> addressList_;
  int currentEntry_ = -1;
};

// The address list as one settings value and back: entries joined by "|",
// with "%", "|" and control characters written as %XX. Empty entries are
// dropped.
std::string EncodeAddressList(const std::vector<std::string>& addresses);
std::vector<std::string> DecodeAddressList(std::string_view value);

}  // namespace lrv::viewer
