#pragma once
// Registry for tests: in memory, with the same key rules as IniRegistry.
// It can be told to refuse writes, as a locked-down registry does.

#include "platform/registry.h"
#include "platform/registry_tree.h"

namespace lrv {

class FakeRegistry : public Registry {
 public:
  bool refuseWrites = false;
  int writeCount = 0;  // successful changes

  bool KeyExists(RegistryRoot root, const std::string& key) override;
  bool CreateKey(RegistryRoot root, const std::string& key) override;
  bool DeleteKey(RegistryRoot root, const std::string& key) override;
  bool ValueExists(RegistryRoot root, const std::string& key, const std::string& name) override;
  std::optional<std::string> ReadString(RegistryRoot root, const std::string& key,
                                        const std::string& name) override;
  std::optional<int> ReadInteger(RegistryRoot root, const std::string& key, const std::string& name) override;
  bool WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                   const std::string& value) override;
  bool WriteInteger(RegistryRoot root, const std::string& key, const std::string& name, int value) override;
  std::vector<std::string> SubKeys(RegistryRoot root, const std::string& key) override;

  RegistryTree& Tree(RegistryRoot root) { return trees_[static_cast<int>(root)]; }

 private:
  RegistryTree trees_[3];
};

}  // namespace lrv
