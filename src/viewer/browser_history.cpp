#include "viewer/browser_history.h"

#include <algorithm>
#include <utility>

#include "base/text.h"

namespace lrv::viewer {
namespace {

int FindNoCase(const std::vector<std::string>& list, std::string_view address) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (text::EqualsNoCase(list[i], address)) return static_cast<int>(i);
  return -1;
}

}  // namespace

BrowserHistory::BrowserHistory(PageTitleLookup pageTitle) : pageTitle_(std::move(pageTitle)) {}

std::string BrowserHistory::NavigateAddressBox() {
  ownNavigation_ = true;
  return boxText_;
}

std::string BrowserHistory::GoToAddress(std::string_view address) {
  boxText_ = std::string(address);
  return NavigateAddressBox();
}

std::string BrowserHistory::Step(int offset) {
  const int at = index_ + offset;
  if (at >= 0 && at < static_cast<int>(history_.size()) && !text::Trim(history_[at]).empty())
    boxText_ = history_[at];
  // The index moves when before-navigate finds the entry, not here, so a
  // step never truncates the history.
  return NavigateAddressBox();
}

std::string BrowserHistory::Back() { return Step(-1); }
std::string BrowserHistory::Forward() { return Step(+1); }

bool BrowserHistory::CanGoBack() const { return !history_.empty() && index_ > 0; }
bool BrowserHistory::CanGoForward() const {
  return !history_.empty() && index_ < static_cast<int>(history_.size()) - 1;
}

void BrowserHistory::BeforeNavigate(std::string_view address) {
  if (address.find("mailto:") != std::string_view::npos) return;

  const int found = FindNoCase(history_, address);
  if (found >= 0) {
    index_ = found;
  } else {
    if (index_ >= 0 && index_ < static_cast<int>(history_.size()) - 1) history_.resize(index_ + 1);
    history_.emplace_back(address);
    index_ = static_cast<int>(history_.size()) - 1;
  }

  if (!ownNavigation_) {
    // A link on a page that is no archive page: its target reaches the
    // address list only through the correction navigation.
    if (currentEntry_ < 0 || pageTitle_(addressList_[currentEntry_]).empty()) {
      if (!addressList_.empty()) MakeCurrent(0);
      return;
    }
  }
  ownNavigation_ = false;

  const int listed = FindNoCase(addressList_, address);
  if (listed >= 0) {
    std::rotate(addressList_.begin(), addressList_.begin() + listed, addressList_.begin() + listed + 1);
  } else {
    addressList_.insert(addressList_.begin(), std::string(address));
  }
  MakeCurrent(0);
}

std::optional<std::string> BrowserHistory::CorrectAddressBox() {
  // The completion after a correction never corrects again, whatever
  // address the browser reports (a redirect), so corrections cannot chain.
  if (std::exchange(correcting_, false)) return std::nullopt;
  if (text::EqualsNoCase(CurrentEntry(), lastCompletedAddress_)) return std::nullopt;
  correcting_ = true;
  return GoToAddress(lastCompletedAddress_);
}

std::optional<std::string> BrowserHistory::AddressBoxChanged(std::string_view text) {
  boxText_ = std::string(text);
  if (FindNoCase(addressList_, text) < 0) return std::nullopt;
  return NavigateAddressBox();
}

void BrowserHistory::ClearAddressList() {
  addressList_.clear();
  currentEntry_ = -1;
}

void BrowserHistory::RestoreAddressList(std::vector<std::string> addresses) {
  addressList_ = std::move(addresses);
  currentEntry_ = -1;
}

std::string BrowserHistory::CurrentEntry() const {
  return currentEntry_ >= 0 ? addressList_[currentEntry_] : std::string();
}

void BrowserHistory::MakeCurrent(int entry) {
  currentEntry_ = entry;
  boxText_ = addressList_[entry];
}

std::string EncodeAddressList(const std::vector<std::string>& addresses) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string value;
  for (const std::string& address : addresses) {
    if (address.empty()) continue;
    if (!value.empty()) value += '|';
    for (char c : address) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 0x20 || c == '%' || c == '|') {
        value += '%';
        value += kHex[byte >> 4];
        value += kHex[byte & 15];
      } else {
        value += c;
      }
    }
  }
  return value;
}

std::vector<std::string> DecodeAddressList(std::string_view value) {
  auto hex = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  std::vector<std::string> addresses;
  std::string current;
  auto finish = [&] {
    if (!current.empty()) addresses.push_back(std::move(current));
    current.clear();
  };
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '|') {
      finish();
    } else if (c == '%' && i + 2 < value.size() && hex(value[i + 1]) >= 0 && hex(value[i + 2]) >= 0) {
      current += static_cast<char>(hex(value[i + 1]) * 16 + hex(value[i + 2]));
      i += 2;
    } else {
      current += c;  // a stray "%" stays as written
    }
  }
  finish();
  return addresses;
}

}  // namespace lrv::viewer
