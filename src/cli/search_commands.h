#pragma once
#include <span>
#include <string>

namespace lrv::cli {

// lorvane-cli words QUERY: the search words of a query, one a line.
int Words(std::span<const std::string> args);
// lorvane-cli stem WORD...: the stem of each argument, one a line.
int Stem(std::span<const std::string> args);
// lorvane-cli contains NEEDLE TEXT [--case] [--whole]: yes or no.
int Contains(std::span<const std::string> args);

}  // namespace lrv::cli
