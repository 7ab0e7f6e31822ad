#pragma once
// Shell for tests: records every request; each kind answers as set.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace lrv {

class FakeShell : public Shell {
 public:
  struct StartedProgram {
    std::filesystem::path program;
    std::vector<std::string> args;
  };
  struct Registration {
    std::vector<FileTypeRegistration> types;
    std::filesystem::path program;
  };

  bool openDocumentResult = true;
  bool openUrlResult = true;
  bool startProgramResult = true;
  bool registerResult = true;

  std::vector<std::filesystem::path> documents;
  std::vector<std::string> urls;
  std::vector<StartedProgram> programs;
  std::vector<Registration> registrations;

  bool OpenDocument(const std::filesystem::path& file) override {
    documents.push_back(file);
    return openDocumentResult;
  }
  bool OpenUrl(const std::string& url) override {
    urls.push_back(url);
    return openUrlResult;
  }
  bool StartProgram(const std::filesystem::path& program, const std::vector<std::string>& args) override {
    programs.push_back({program, args});
    return startProgramResult;
  }
  bool RegisterFileTypes(const std::vector<FileTypeRegistration>& types,
                         const std::filesystem::path& program) override {
    registrations.push_back({types, program});
    return registerResult;
  }
};

}  // namespace lrv
