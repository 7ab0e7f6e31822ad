#include "base/paths.h"

#include <cstdlib>
#include <system_error>
#include <vector>

#include "base/text.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace lrv {

fs::path ExecutablePath() {
#if defined(_WIN32)
  std::wstring buffer(32768, L'\0');
  const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  buffer.resize(n);
  return fs::path(buffer);
#else
  std::error_code ec;
  auto p = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path() / "lorvane";
  return p;
#endif
}

fs::path ExecutableDir() { return ExecutablePath().parent_path(); }

Dirs Dirs::ForBaseDir(const fs::path& baseDir) {
  Dirs d;
  d.programDir = ExecutableDir();
  // "base/" and "base" name the same folder; keep the form without the
  // trailing separator so that baseDir / name never doubles it.
  d.baseDir = baseDir.has_filename() ? baseDir : baseDir.parent_path();
  return d;
}

Dirs Dirs::ForThisProgram() {
  const char* env = std::getenv("LORVANE_BASE_DIR");
  if (env && *env) return ForBaseDir(fs::path(env));
  return ForBaseDir(ExecutableDir() / "base");
}

fs::path StoredNameToNative(std::string_view storedName) {
  std::string utf8 = text::Cp1251ToUtf8(storedName);
  for (char& c : utf8)
    if (c == '\\') c = '/';
#if defined(_WIN32)
  return fs::u8path(utf8);
#else
  return fs::path(utf8);
#endif
}

std::string PathToAnsi(const fs::path& p) {
  const std::u16string u = p.generic_u16string();
  std::string out;
  out.reserve(u.size());
  for (char16_t c : u) {
    auto b = text::ByteOf(c);
    out.push_back(b ? static_cast<char>(*b) : '?');
  }
  return out;
}

fs::path AnsiToPath(std::string_view ansi) { return fs::path(text::Cp1251ToUtf16(ansi)); }

namespace {

// The entry of `folder` whose name equals `component` without regard to
// letter case (compared as Windows-1251 text), or an empty path.
fs::path FindNoCase(const fs::path& folder, const fs::path& component) {
  const std::string wanted = PathToAnsi(component);
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path name = it->path().filename();
    if (text::EqualsNoCase(PathToAnsi(name), wanted)) return it->path();
  }
  return {};
}

}  // namespace

fs::path StoredNameToPath(const fs::path& folder, std::string_view storedName) {
  const fs::path relative = StoredNameToNative(storedName);
  const fs::path exact = folder / relative;
  std::error_code ec;
  if (fs::exists(exact, ec) || relative.is_absolute()) return exact;

  fs::path current = folder;
  for (const auto& component : relative) {
    if (component.empty() || component == "." || component == "..") {
      current /= component;
      continue;
    }
    const fs::path direct = current / component;
    if (fs::exists(direct, ec)) {
      current = direct;
      continue;
    }
    const fs::path found = FindNoCase(current, component);
    if (found.empty()) return exact;
    current = found;
  }
  return current;
}

std::string ProjectSiteRoot() {
  const char* env = std::getenv("LORVANE_SITE_ROOT");
  std::string root = (env && *env) ? std::string(env) : std::string(kDefaultProjectSiteRoot);
  while (!root.empty() && root.back() == '/') root.pop_back();
  return root;
}

}  // namespace lrv
