#include "viewer/ui/result_opening.h"

#include <QKeySequence>
#include <QStackedWidget>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "app/command_list.h"
#include "app/main_window.h"
#include "base/files.h"
#include "base/paths.h"
#include "search/highlight_page.h"
#include "viewer/open_article.h"
#include "viewer/ui/browser_host.h"

namespace lrv::viewer {
namespace {

// A double click or Enter on one row of tlSearch.
void OpenResultRow(TfmLrvMain& window, BrowserHost& host, const ResultRow& row) {
  AppServices& s = window.services();
  const std::string& fileName = row.Value(ColFileName);
  // The stored name may differ in letter case from the file on disk.
  const std::filesystem::path file = StoredNameToPath(s.dirs.baseDir, fileName);
  std::error_code error;
  if (fileName.empty() || !std::filesystem::is_regular_file(file, error)) {
    ReportMissingArticleFile(s.prompter, host.Viewer().BaseDir(), fileName);
    return;
  }
  const SearchHandover& last = window.lastSearch();
  if (last.lastSearchInText && !last.highlight.words.empty() && s.disk.IsOnFixedDisk()) {
    TempPage& page = host.TemporaryPage();
    try {
      WriteHighlightedPage(s.dirs, fileName, row.Value(ColTitle), last.highlight, page);
      host.GoToAddress(PathToAnsi(page.path));
      return;
    } catch (const IoError& e) {
      // The user still gets the article, only without the marks.
      s.prompter.Error(e.what(), 0, MessageButtons::Ok);
    }
  }
  host.GoToAddress(PathToAnsi(file));
}

// OpenRandomArticle: the index fills the result list, one of its rows is
// opened; the left panel keeps the page it showed.
void OpenRandomArticle(TfmLrvMain& window, BrowserHost& host) {
  QWidget* shownPage = window.nbMain->currentWidget();
  window.commands().Execute("acPointer");
  const auto& rows = window.results().rows;
  if (!rows.empty()) {
    std::mt19937 generator(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<std::size_t> pick(0, rows.size() - 1);
    // The file is not tested: a missing one shows the browser's error page.
    host.GoToAddress(host.Viewer().BaseDir() + rows[pick(generator)].Value(ColFileName));
  }
  window.nbMain->setCurrentWidget(shownPage);
}

}  // namespace

void InstallResultOpening(TfmLrvMain& window, BrowserHost& host) {
  window.OpenResultRow = [&window, &host](const ResultRow& row) { OpenResultRow(window, host, row); };
  const Catalogue& catalogue = window.catalogue();
  window.commands().Add({"acRandArticle", QStringLiteral("&Случайная статья"), QStringLiteral("Случайная статья"),
                         {QKeySequence(Qt::Key_F7)}, [&window, &host] { OpenRandomArticle(window, host); },
                         [&catalogue] { return catalogue.RootCount() > 0; }});
}

}  // namespace lrv::viewer
