#pragma once
// Handing documents, addresses and programs to the desktop.

#include <filesystem>
#include <string>
#include <vector>

namespace lrv {

// One file type the program opens: extension without the dot ("tree"),
// its description and icon.
struct FileTypeRegistration {
  std::string extension;
  std::string description;  // UTF-8
  std::filesystem::path icon;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document with its default handler. False when none could start.
  virtual bool OpenDocument(const std::filesystem::path& file) = 0;
  // Opens an address ("http://...", "mailto:...") with its default handler.
  virtual bool OpenUrl(const std::string& url) = 0;
  // Starts a program detached from this one (normal window).
  virtual bool StartProgram(const std::filesystem::path& program, const std::vector<std::string>& args) = 0;
  // Registers the types to open with `program` (its path quoted in the
  // command). Returns false on failure; callers never stop for it.
  virtual bool RegisterFileTypes(const std::vector<FileTypeRegistration>& types,
                                 const std::filesystem::path& program) = 0;
};

}  // namespace lrv
