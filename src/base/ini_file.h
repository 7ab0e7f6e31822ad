#pragma once
// Ini files of the archive ("form.ini", "interface.ini", "Proxy.ini"):
// [Section] headers and Name=Value lines, Windows-1251 bytes, CR LF. As the
// system's ini files do, section and value names compare without regard to
// letter case, and blanks around names and values are dropped. Lines that
// are neither are kept as they stand when the file is written back.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lrv {

class IniFile {
 public:
  IniFile() = default;
  // nullopt when the file cannot be read.
  static std::optional<IniFile> Load(const std::filesystem::path& path);
  static IniFile Parse(std::string_view content);

  std::optional<std::string> Read(std::string_view section, std::string_view name) const;
  std::string ReadString(std::string_view section, std::string_view name, std::string_view fallback) const;
  // The value as a decimal integer, or the fallback when missing or not one.
  int ReadInteger(std::string_view section, std::string_view name, int fallback) const;
  bool ValueExists(std::string_view section, std::string_view name) const;
  bool SectionExists(std::string_view section) const;
  // Names of a section's values, in file order.
  std::vector<std::string> Names(std::string_view section) const;

  // Adds the section and value when missing; replaces the value otherwise.
  void Write(std::string_view section, std::string_view name, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view name, int value);
  void EraseSection(std::string_view section);

  std::string Serialize() const;
  // Crash-safe: the old file stays when writing fails (throws IoError).
  void Save(const std::filesystem::path& path) const;

 private:
  struct Entry {
    std::string name;  // empty for a kept line that is not a value
    std::string value;
    std::string raw;   // the kept line
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  const Section* FindSection(std::string_view name) const;
  Section* FindSection(std::string_view name);
  std::vector<Section> sections_;  // the first may be the unnamed head of the file
};

}  // namespace lrv
