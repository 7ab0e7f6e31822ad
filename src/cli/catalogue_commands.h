#pragma once
#include <span>
#include <string>

namespace lrv::cli {

int TreeDump(std::span<const std::string> args);
int TreeFromJson(std::span<const std::string> args);
int Outline(std::span<const std::string> args);
int Backups(std::span<const std::string> args);

}  // namespace lrv::cli
