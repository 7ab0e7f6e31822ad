#include "base/ini_file.h"

#include "base/files.h"
#include "base/text.h"

namespace lrv {

std::optional<IniFile> IniFile::Load(const std::filesystem::path& path) {
  auto content = ReadFile(path);
  if (!content) return std::nullopt;
  return Parse(*content);
}

IniFile IniFile::Parse(std::string_view content) {
  IniFile ini;
  ini.sections_.push_back({});  // lines before the first header
  for (const std::string& line : text::SplitLines(content)) {
    const std::string_view trimmed = text::Trim(line);
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
      ini.sections_.push_back({std::string(text::Trim(trimmed.substr(1, trimmed.size() - 2))), {}});
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos || trimmed.empty() || trimmed.front() == ';') {
      ini.sections_.back().entries.push_back({"", "", line});
      continue;
    }
    ini.sections_.back().entries.push_back(
        {std::string(text::Trim(std::string_view(line).substr(0, eq))),
         std::string(text::Trim(std::string_view(line).substr(eq + 1))), line});
  }
  return ini;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  for (size_t i = 1; i < sections_.size(); ++i)
    if (text::EqualsNoCase(sections_[i].name, name)) return &sections_[i];
  return nullptr;
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
  return const_cast<Section*>(static_cast<const IniFile*>(this)->FindSection(name));
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view name) const {
  const Section* s = FindSection(section);
  if (!s) return std::nullopt;
  for (const Entry& e : s->entries)
    if (!e.name.empty() && text::EqualsNoCase(e.name, name)) return e.value;
  return std::nullopt;
}

std::string IniFile::ReadString(std::string_view section, std::string_view name, std::string_view fallback) const {
  auto v = Read(section, name);
  return v ? *v : std::string(fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view name, int fallback) const {
  auto v = Read(section, name);
  return v ? text::StrToIntDef(*v, fallback) : fallback;
}

bool IniFile::ValueExists(std::string_view section, std::string_view name) const {
  return Read(section, name).has_value();
}

bool IniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

std::vector<std::string> IniFile::Names(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->entries)
      if (!e.name.empty()) names.push_back(e.name);
  return names;
}

void IniFile::Write(std::string_view section, std::string_view name, std::string_view value) {
  if (sections_.empty()) sections_.push_back({});
  Section* s = FindSection(section);
  if (!s) {
    sections_.push_back({std::string(section), {}});
    s = &sections_.back();
  }
  for (Entry& e : s->entries) {
    if (!e.name.empty() && text::EqualsNoCase(e.name, name)) {
      e.value = std::string(value);
      e.raw.clear();
      return;
    }
  }
  s->entries.push_back({std::string(name), std::string(value), ""});
}

void IniFile::WriteInteger(std::string_view section, std::string_view name, int value) {
  Write(section, name, text::IntToStr(value));
}

void IniFile::EraseSection(std::string_view section) {
  for (size_t i = 1; i < sections_.size(); ++i) {
    if (text::EqualsNoCase(sections_[i].name, section)) {
      sections_.erase(sections_.begin() + static_cast<long>(i));
      return;
    }
  }
}

std::string IniFile::Serialize() const {
  std::vector<std::string> lines;
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i > 0) lines.push_back("[" + sections_[i].name + "]");
    for (const Entry& e : sections_[i].entries)
      // Unchanged lines are written back as they were read.
      lines.push_back(e.name.empty() || !e.raw.empty() ? e.raw : e.name + "=" + e.value);
  }
  return text::JoinLinesCrLf(lines);
}

void IniFile::Save(const std::filesystem::path& path) const { WriteFileAtomic(path, Serialize()); }

}  // namespace lrv
