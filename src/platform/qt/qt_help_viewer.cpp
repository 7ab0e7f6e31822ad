#include "platform/qt/qt_help_viewer.h"

#include <QDesktopServices>
#include <QString>

#include "base/paths.h"
#include "platform/qt/qt_text.h"

namespace lrv {

QtHelpViewer::QtHelpViewer(fs::path helpFolder, Opener open) : folder_(std::move(helpFolder)), open_(std::move(open)) {
  if (!open_) open_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

fs::path QtHelpViewer::DefaultFolder() { return ExecutableDir() / "help"; }

fs::path QtHelpViewer::PageFor(const fs::path& helpFolder, int helpContext) {
  if (helpContext > 0) {
    const fs::path page = helpFolder / (std::to_string(helpContext) + ".html");
    std::error_code ec;
    if (fs::is_regular_file(page, ec)) return page;
  }
  return helpFolder / "index.html";
}

void QtHelpViewer::ShowContext(int helpContext) {
  open_(QUrl::fromLocalFile(FromPath(PageFor(folder_, helpContext))));
}

void QtHelpViewer::ShowContents() { ShowContext(0); }

}  // namespace lrv
