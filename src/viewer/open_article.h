#pragma once
// Opening an article of the catalogue tree in the browser.

#include <optional>
#include <string>
#include <string_view>

#include "platform/prompter.h"
#include "viewer/article_viewer.h"

namespace lrv::viewer {

// The warning's text (UTF-8) for a stored file name (Windows-1251) that has
// no file: BaseDir + the name, then the site's "/base/" + the name.
std::string MissingArticleFileText(std::string_view baseDir, std::string_view fileName);
// The warning box: OK and Help, help context 31.
void ReportMissingArticleFile(Prompter& prompter, std::string_view baseDir, std::string_view fileName);
inline constexpr int kMissingArticleHelpContext = 31;

// tlMainDblClick (and Enter in the tree): with exactly one article
// selected, GoToAddress with its file when the file exists (returned: the
// address the browser must navigate to), else the missing-file warning and
// nothing else. nullopt when there is nothing to navigate to.
std::optional<std::string> tlMainDblClick(ArticleViewer& viewer, Prompter& prompter);

}  // namespace lrv::viewer
