#include "viewer/addresses.h"

#include <filesystem>

#include "base/text.h"

namespace lrv::viewer {

bool IsInternetAddress(std::string_view address) {
  return address.starts_with("http") || address.starts_with("www") || address.starts_with("res");
}

bool HasUrlScheme(std::string_view address) {
  const std::size_t colon = address.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  auto isAlpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (!isAlpha(address[0])) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const char c = address[i];
    if (!isAlpha(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

std::string_view AddressFileNamePart(std::string_view address) {
  const std::string_view separators = HasUrlScheme(address) ? std::string_view("\\:") : std::string_view("\\:/");
  const std::size_t at = address.find_last_of(separators);
  return at == std::string_view::npos ? address : address.substr(at + 1);
}

std::string BaseDirAddress(const Dirs& dirs) {
  std::string base = PathToAnsi(dirs.baseDir);
  constexpr char kSep = static_cast<char>(std::filesystem::path::preferred_separator);
  if (base.empty() || base.back() != kSep) base.push_back(kSep);
  return base;
}

std::string ArticleAddress(std::string_view baseDir, std::string_view storedFileName) {
  std::string address(baseDir);
  const std::size_t nameStart = address.size();
  address.append(storedFileName);
  constexpr char kSep = static_cast<char>(std::filesystem::path::preferred_separator);
  if constexpr (kSep != '\\') {
    for (std::size_t i = nameStart; i < address.size(); ++i)
      if (address[i] == '\\') address[i] = kSep;
  }
  return address;
}

std::string AddressKey(std::string_view address) { return text::Lower(text::Trim(address)); }

}  // namespace lrv::viewer
