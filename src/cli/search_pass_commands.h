#pragma once
#include <span>
#include <string>

namespace lrv::cli {

// lorvane-cli search BASEDIR --query Q [--kind exact|all|any] [--text]
// [--stem] [--whole] [--case] [--category TITLE]... [--state S]...
// [--tree FILE]: the articles the search window finds, one a line (file
// name, a tab, title), in the order found.
int Search(std::span<const std::string> args);
// lorvane-cli view BASEDIR NAME [--tree FILE]: the rows of a filtered view,
// in the same form.
int View(std::span<const std::string> args);

}  // namespace lrv::cli
