#pragma once
// The help file: HTML pages in the help folder beside the executable, one
// per context number ("21.html"), shown in the desktop's browser. A context
// without a page of its own opens the contents page "index.html".

#include <filesystem>
#include <functional>

#include <QUrl>

#include "platform/help_viewer.h"

namespace lrv {

class QtHelpViewer : public HelpViewer {
 public:
  using Opener = std::function<bool(const QUrl&)>;

  // The folder defaults to ProgramDir + "help"; the opener to the desktop's
  // handler for the address (tests record instead).
  explicit QtHelpViewer(std::filesystem::path helpFolder = DefaultFolder(), Opener open = {});

  static std::filesystem::path DefaultFolder();
  // The page for a context: its own when it exists, else the contents.
  static std::filesystem::path PageFor(const std::filesystem::path& helpFolder, int helpContext);

  void ShowContext(int helpContext) override;
  void ShowContents() override;

 private:
  std::filesystem::path folder_;
  Opener open_;
};

}  // namespace lrv
