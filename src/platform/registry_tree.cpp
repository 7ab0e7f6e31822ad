#include "platform/registry_tree.h"

#include <algorithm>
#include <charconv>

#include "base/text.h"

namespace lrv {

namespace {

// Registry names compare like the system's: Latin letters without regard to
// case. Other bytes (UTF-8 sequences) compare exactly, so that folding never
// makes two different multi-byte letters equal.
std::string FoldName(std::string_view name) {
  std::string out(name);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool NeedsEscape(unsigned char c, bool isName) {
  if (c < 0x20 || c == 0x7F || c == '%') return true;
  return isName && std::string_view("=[];#\"\\").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string Escape(std::string_view s, bool isName) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(s.size());
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (NeedsEscape(c, isName)) {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 15]);
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string Unescape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size()) {
      const int hi = HexDigit(s[i + 1]), lo = HexDigit(s[i + 2]);
      if (hi >= 0 && lo >= 0) {
        out.push_back(static_cast<char>(hi * 16 + lo));
        i += 2;
        continue;
      }
    }
    out.push_back(s[i]);
  }
  return out;
}

std::string JoinPath(const std::vector<std::string>& components, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count; ++i) {
    if (i) out.push_back('\\');
    out += components[i];
  }
  return out;
}

std::string_view LastComponent(std::string_view path) {
  const auto slash = path.rfind('\\');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view ParentOf(std::string_view folded) {
  const auto slash = folded.rfind('\\');
  return slash == std::string_view::npos ? std::string_view() : folded.substr(0, slash);
}

}  // namespace

std::vector<std::string> RegistryTree::SplitKeyPath(std::string_view key) {
  std::vector<std::string> components;
  std::size_t pos = 0;
  while (pos <= key.size()) {
    const std::size_t end = std::min(key.find('\\', pos), key.size());
    if (end > pos) components.emplace_back(key.substr(pos, end - pos));
    pos = end + 1;
  }
  return components;
}

std::string RegistryTree::FoldedPath(std::string_view key) {
  const auto components = SplitKeyPath(key);
  return FoldName(JoinPath(components, components.size()));
}

RegistryTree::Key& RegistryTree::Ensure(const std::vector<std::string>& components) {
  Key* key = nullptr;
  for (std::size_t n = 0; n <= components.size(); ++n) {
    const std::string path = JoinPath(components, n);
    auto [it, inserted] = keys_.try_emplace(FoldName(path));
    if (inserted) it->second.path = path;
    key = &it->second;
  }
  return *key;
}

bool RegistryTree::KeyExists(std::string_view key) const {
  const std::string folded = FoldedPath(key);
  return folded.empty() || keys_.count(folded) != 0;
}

void RegistryTree::CreateKey(std::string_view key) { Ensure(SplitKeyPath(key)); }

bool RegistryTree::DeleteKey(std::string_view key) {
  const std::string folded = FoldedPath(key);
  if (folded.empty() || keys_.erase(folded) == 0) return false;
  const std::string prefix = folded + '\\';
  for (auto it = keys_.lower_bound(prefix); it != keys_.end() && it->first.starts_with(prefix);)
    it = keys_.erase(it);
  return true;
}

const RegistryTree::Value* RegistryTree::FindValue(std::string_view key, std::string_view name) const {
  const auto it = keys_.find(FoldedPath(key));
  if (it == keys_.end()) return nullptr;
  const std::string folded = FoldName(name);
  for (const NamedValue& v : it->second.values)
    if (FoldName(v.name) == folded) return &v.value;
  return nullptr;
}

void RegistryTree::SetValue(std::string_view key, std::string_view name, Value value) {
  Key& k = Ensure(SplitKeyPath(key));
  const std::string folded = FoldName(name);
  for (NamedValue& v : k.values) {
    if (FoldName(v.name) == folded) {
      v.value = std::move(value);
      return;
    }
  }
  k.values.push_back({std::string(name), std::move(value)});
}

std::vector<std::string> RegistryTree::SubKeys(std::string_view key) const {
  const std::string folded = FoldedPath(key);
  std::vector<std::pair<std::string, std::string>> found;  // folded name, spelled name
  for (const auto& [path, k] : keys_) {
    if (path.empty() || ParentOf(path) != folded) continue;
    found.emplace_back(std::string(LastComponent(path)), std::string(LastComponent(k.path)));
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> names;
  for (auto& f : found) names.push_back(std::move(f.second));
  return names;
}

std::string RegistryTree::ToIni() const {
  std::string out;
  for (const auto& [folded, key] : keys_) {
    if (folded.empty() && key.values.empty()) continue;
    std::string header;
    for (const std::string& component : SplitKeyPath(key.path)) {
      if (!header.empty()) header.push_back('\\');
      header += Escape(component, true);
    }
    if (!out.empty()) out.push_back('\n');
    out += '[';
    out += header;
    out += "]\n";
    for (const NamedValue& v : key.values) {
      out += Escape(v.name, true);
      out.push_back('=');
      if (const auto* s = std::get_if<std::string>(&v.value)) {
        out += '"';
        out += Escape(*s, false);
        out += '"';
      } else {
        out += "dword:" + std::to_string(std::get<int>(v.value));
      }
      out.push_back('\n');
    }
  }
  return out;
}

RegistryTree RegistryTree::FromIni(std::string_view ini) {
  RegistryTree tree;
  Key* current = nullptr;
  for (const std::string& line : text::SplitLines(ini)) {
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      // Unescaped and split again, so that a hand-written "%5C" cannot make
      // a key whose parents are missing.
      std::string path;
      for (const std::string& c : SplitKeyPath(std::string_view(line).substr(1, line.size() - 2)))
        path += Unescape(c) + '\\';
      current = &tree.Ensure(SplitKeyPath(path));
      continue;
    }
    const auto eq = line.find('=');
    if (!current || eq == std::string::npos) continue;
    const std::string name = Unescape(std::string_view(line).substr(0, eq));
    const std::string_view data = std::string_view(line).substr(eq + 1);
    if (data.size() >= 2 && data.front() == '"' && data.back() == '"') {
      current->values.push_back({name, Unescape(data.substr(1, data.size() - 2))});
    } else if (data.starts_with("dword:")) {
      const std::string_view digits = data.substr(6);
      int value = 0;
      const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
      if (ec == std::errc() && end == digits.data() + digits.size()) current->values.push_back({name, value});
    }
  }
  return tree;
}

}  // namespace lrv
