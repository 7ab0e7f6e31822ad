#include "platform/fake/fake_registry.h"

namespace lrv {

bool FakeRegistry::KeyExists(RegistryRoot root, const std::string& key) { return Tree(root).KeyExists(key); }

bool FakeRegistry::CreateKey(RegistryRoot root, const std::string& key) {
  if (Tree(root).KeyExists(key)) return true;
  if (refuseWrites) return false;
  Tree(root).CreateKey(key);
  ++writeCount;
  return true;
}

bool FakeRegistry::DeleteKey(RegistryRoot root, const std::string& key) {
  if (refuseWrites || !Tree(root).DeleteKey(key)) return false;
  ++writeCount;
  return true;
}

bool FakeRegistry::ValueExists(RegistryRoot root, const std::string& key, const std::string& name) {
  return Tree(root).FindValue(key, name) != nullptr;
}

std::optional<std::string> FakeRegistry::ReadString(RegistryRoot root, const std::string& key,
                                                    const std::string& name) {
  const auto* value = Tree(root).FindValue(key, name);
  if (const auto* s = value ? std::get_if<std::string>(value) : nullptr) return *s;
  return std::nullopt;
}

std::optional<int> FakeRegistry::ReadInteger(RegistryRoot root, const std::string& key, const std::string& name) {
  const auto* value = Tree(root).FindValue(key, name);
  if (const auto* i = value ? std::get_if<int>(value) : nullptr) return *i;
  return std::nullopt;
}

bool FakeRegistry::WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                               const std::string& value) {
  if (refuseWrites) return false;
  Tree(root).SetValue(key, name, value);
  ++writeCount;
  return true;
}

bool FakeRegistry::WriteInteger(RegistryRoot root, const std::string& key, const std::string& name, int value) {
  if (refuseWrites) return false;
  Tree(root).SetValue(key, name, value);
  ++writeCount;
  return true;
}

std::vector<std::string> FakeRegistry::SubKeys(RegistryRoot root, const std::string& key) {
  return Tree(root).SubKeys(key);
}

}  // namespace lrv
