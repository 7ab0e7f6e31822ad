#pragma once
// The real Shell: the desktop's handlers for documents and addresses,
// detached programs, and on Linux the file types as a desktop entry and a
// shared-mime-info package under the XDG data folder.

#include <filesystem>

#include "platform/shell.h"

namespace lrv {

class QtShell : public Shell {
 public:
  // `dataFolder` defaults to $XDG_DATA_HOME, or ~/.local/share.
  explicit QtShell(std::filesystem::path dataFolder = DefaultDataFolder());
  static std::filesystem::path DefaultDataFolder();

  bool OpenDocument(const std::filesystem::path& file) override;
  bool OpenUrl(const std::string& url) override;
  bool StartProgram(const std::filesystem::path& program, const std::vector<std::string>& args) override;
  // Writes "applications/lorvane.desktop", "mime/packages/lorvane.xml" and
  // the icons of the types, then refreshes the desktop's caches when their
  // tools exist (their failure does not matter). Never throws.
  bool RegisterFileTypes(const std::vector<FileTypeRegistration>& types,
                         const std::filesystem::path& program) override;

 private:
  std::filesystem::path dataFolder_;
};

}  // namespace lrv
