#pragma once
// Crossing between the core's texts and Qt's: archive texts are
// Windows-1251 bytes, prompter and status texts UTF-8.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace lrv {

QString FromAnsi(std::string_view cp1251);
// nullopt when a character has no Windows-1251 form.
std::optional<std::string> ToAnsi(const QString& text);
QString FromUtf8(const std::string& utf8);
std::string ToUtf8(const QString& text);
// Native paths and Qt's file names, in the file system's encoding.
QString FromPath(const std::filesystem::path& path);
std::filesystem::path ToPath(const QString& fileName);

}  // namespace lrv
