#pragma once
// The registry on systems that have none: one ini file per root in a
// settings folder ("HKEY_CURRENT_USER.ini", "HKEY_LOCAL_MACHINE.ini",
// "HKEY_CLASSES_ROOT.ini"). Every call reads the file afresh and every
// change rewrites it crash-safe, so several objects (or processes) over the
// same folder see each other's changes.

#include <filesystem>

#include "platform/registry.h"
#include "platform/registry_tree.h"

namespace lrv {

class IniRegistry : public Registry {
 public:
  // $XDG_CONFIG_HOME/lorvane, or ~/.config/lorvane.
  static std::filesystem::path DefaultFolder();

  explicit IniRegistry(std::filesystem::path folder = DefaultFolder());

  const std::filesystem::path& Folder() const { return folder_; }
  std::filesystem::path FileOf(RegistryRoot root) const;

  bool KeyExists(RegistryRoot root, const std::string& key) override;
  bool CreateKey(RegistryRoot root, const std::string& key) override;
  bool DeleteKey(RegistryRoot root, const std::string& key) override;
  bool ValueExists(RegistryRoot root, const std::string& key, const std::string& name) override;
  // A value of the other type reads as missing.
  std::optional<std::string> ReadString(RegistryRoot root, const std::string& key,
                                        const std::string& name) override;
  std::optional<int> ReadInteger(RegistryRoot root, const std::string& key, const std::string& name) override;
  bool WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                   const std::string& value) override;
  bool WriteInteger(RegistryRoot root, const std::string& key, const std::string& name, int value) override;
  std::vector<std::string> SubKeys(RegistryRoot root, const std::string& key) override;

 private:
  RegistryTree Load(RegistryRoot root) const;
  bool Save(RegistryRoot root, const RegistryTree& tree) const;

  std::filesystem::path folder_;
};

}  // namespace lrv
