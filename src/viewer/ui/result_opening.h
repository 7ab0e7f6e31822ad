#pragma once
// Opening articles from the result list tlSearch: a found article (shown
// highlighted when the last search looked into page text) and the random
// article command acRandArticle.

namespace lrv {

class TfmLrvMain;

namespace viewer {

class BrowserHost;

// Sets the window's OpenResultRow hook and adds acRandArticle (F7). Runs
// from the viewer's installer, after the search commands exist.
void InstallResultOpening(TfmLrvMain& window, BrowserHost& host);

}  // namespace viewer
}  // namespace lrv
