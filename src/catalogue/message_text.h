#pragma once
// Composing the message boxes' texts: "%s" places filled in order.

#include <initializer_list>
#include <string>
#include <string_view>

namespace lrv {

inline std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string> args) {
  std::string out;
  auto next = args.begin();
  std::size_t from = 0;
  while (next != args.end()) {
    const std::size_t at = pattern.find("%s", from);
    if (at == std::string_view::npos) break;
    out.append(pattern.substr(from, at - from)).append(*next++);
    from = at + 2;
  }
  out.append(pattern.substr(from));
  return out;
}

}  // namespace lrv
