#pragma once
#include <span>
#include <string>

namespace lrv::cli {

// highlight BASEDIR FILE --word W... [--case] [--whole] --out OUT
int Highlight(std::span<const std::string> args);

}  // namespace lrv::cli
