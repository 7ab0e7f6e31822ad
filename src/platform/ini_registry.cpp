#include "platform/ini_registry.h"

#include <cstdlib>

#include "base/files.h"

namespace lrv {

fs::path IniRegistry::DefaultFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && *config) return fs::path(config) / "lorvane";
  const char* home = std::getenv("HOME");
  if (home && *home) return fs::path(home) / ".config" / "lorvane";
  return fs::current_path() / ".lorvane";
}

IniRegistry::IniRegistry(fs::path folder) : folder_(std::move(folder)) {}

fs::path IniRegistry::FileOf(RegistryRoot root) const {
  switch (root) {
    case RegistryRoot::CurrentUser: return folder_ / "HKEY_CURRENT_USER.ini";
    case RegistryRoot::LocalMachine: return folder_ / "HKEY_LOCAL_MACHINE.ini";
    case RegistryRoot::ClassesRoot: return folder_ / "HKEY_CLASSES_ROOT.ini";
  }
  return folder_ / "HKEY_CURRENT_USER.ini";
}

RegistryTree IniRegistry::Load(RegistryRoot root) const {
  const auto content = ReadFile(FileOf(root));
  return content ? RegistryTree::FromIni(*content) : RegistryTree();
}

bool IniRegistry::Save(RegistryRoot root, const RegistryTree& tree) const {
  try {
    EnsureFolder(folder_);
    WriteFileAtomic(FileOf(root), tree.ToIni());
    return true;
  } catch (const IoError&) {
    return false;
  }
}

bool IniRegistry::KeyExists(RegistryRoot root, const std::string& key) { return Load(root).KeyExists(key); }

bool IniRegistry::CreateKey(RegistryRoot root, const std::string& key) {
  RegistryTree tree = Load(root);
  if (tree.KeyExists(key)) return true;
  tree.CreateKey(key);
  return Save(root, tree);
}

bool IniRegistry::DeleteKey(RegistryRoot root, const std::string& key) {
  RegistryTree tree = Load(root);
  return tree.DeleteKey(key) && Save(root, tree);
}

bool IniRegistry::ValueExists(RegistryRoot root, const std::string& key, const std::string& name) {
  return Load(root).FindValue(key, name) != nullptr;
}

std::optional<std::string> IniRegistry::ReadString(RegistryRoot root, const std::string& key,
                                                   const std::string& name) {
  const RegistryTree tree = Load(root);
  const auto* value = tree.FindValue(key, name);
  if (const auto* s = value ? std::get_if<std::string>(value) : nullptr) return *s;
  return std::nullopt;
}

std::optional<int> IniRegistry::ReadInteger(RegistryRoot root, const std::string& key, const std::string& name) {
  const RegistryTree tree = Load(root);
  const auto* value = tree.FindValue(key, name);
  if (const auto* i = value ? std::get_if<int>(value) : nullptr) return *i;
  return std::nullopt;
}

bool IniRegistry::WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                              const std::string& value) {
  RegistryTree tree = Load(root);
  tree.SetValue(key, name, value);
  return Save(root, tree);
}

bool IniRegistry::WriteInteger(RegistryRoot root, const std::string& key, const std::string& name, int value) {
  RegistryTree tree = Load(root);
  tree.SetValue(key, name, value);
  return Save(root, tree);
}

std::vector<std::string> IniRegistry::SubKeys(RegistryRoot root, const std::string& key) {
  return Load(root).SubKeys(key);
}

}  // namespace lrv
