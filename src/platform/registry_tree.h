#pragma once
// The keys and values of one registry root held in memory, with the
// registry's rules: key paths separated by backslashes (a leading one is
// optional), key and value names compared without regard to the case of
// Latin letters, creating a key creates its parents, deleting a key removes
// its subtree. IniRegistry stores one tree per file; FakeRegistry keeps
// them in memory.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lrv {

class RegistryTree {
 public:
  using Value = std::variant<std::string, int>;

  bool KeyExists(std::string_view key) const;
  void CreateKey(std::string_view key);
  // False for a missing key and for the root itself, which cannot go.
  bool DeleteKey(std::string_view key);
  const Value* FindValue(std::string_view key, std::string_view name) const;
  // Creates the key when missing; replaces a value of the same name (and
  // its type), keeping the first spelling of the name.
  void SetValue(std::string_view key, std::string_view name, Value value);
  // Names of the direct subkeys, sorted without regard to case.
  std::vector<std::string> SubKeys(std::string_view key) const;

  // The ini form: one section per key ("[Software\Tesmar\Lrv]", "[]" for
  // the root's own values), lines `name="text"` and `name=dword:123`.
  // Names and texts are escaped so that any bytes round-trip, including
  // "=", "[", "%", quotes and line breaks.
  std::string ToIni() const;
  // Reads the ini form; lines it cannot understand are skipped.
  static RegistryTree FromIni(std::string_view ini);

  // The components of a key path; empty components are dropped.
  static std::vector<std::string> SplitKeyPath(std::string_view key);
  // Case-folded path used as the map key.
  static std::string FoldedPath(std::string_view key);

 private:
  struct NamedValue {
    std::string name;
    Value value;
  };
  struct Key {
    std::string path;  // components joined by '\', spelled as first created
    std::vector<NamedValue> values;
  };

  Key& Ensure(const std::vector<std::string>& components);

  std::map<std::string, Key> keys_;  // by folded path; the root is ""
};

}  // namespace lrv
