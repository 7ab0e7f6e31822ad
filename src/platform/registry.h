#pragma once
// Keys and values in the system registry. Key paths are written as the
// system writes them ("\\Software\\Tesmar\\Lrv"); key names compare without
// regard to letter case. Values are texts or 32-bit integers.

#include <optional>
#include <string>
#include <vector>

namespace lrv {

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

class Registry {
 public:
  virtual ~Registry() = default;
  virtual bool KeyExists(RegistryRoot root, const std::string& key) = 0;
  // Creates the key (and its parents) if missing. Returns false when the
  // store refuses the write.
  virtual bool CreateKey(RegistryRoot root, const std::string& key) = 0;
  // Removes the key with its subkeys and values.
  virtual bool DeleteKey(RegistryRoot root, const std::string& key) = 0;
  virtual bool ValueExists(RegistryRoot root, const std::string& key, const std::string& name) = 0;
  virtual std::optional<std::string> ReadString(RegistryRoot root, const std::string& key,
                                                const std::string& name) = 0;
  virtual std::optional<int> ReadInteger(RegistryRoot root, const std::string& key,
                                         const std::string& name) = 0;
  // Writing creates the key when missing. Returns false when refused.
  virtual bool WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                           const std::string& value) = 0;
  virtual bool WriteInteger(RegistryRoot root, const std::string& key, const std::string& name,
                            int value) = 0;
  virtual std::vector<std::string> SubKeys(RegistryRoot root, const std::string& key) = 0;
};

// The program's own settings key under the current-user root.
inline constexpr const char* kSettingsKey = "\\Software\\Tesmar\\Lrv";

}  // namespace lrv
