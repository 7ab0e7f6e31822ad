#pragma once
// The main window's browser host: the browser control WebBrowser in the
// right panel, the address box cbURLs, the history menus and the status
// bar, driven by the viewer's rules (ArticleViewer). Each event of the page
// goes to the rules; wherever they return an address, the browser goes
// there; the address box always shows the rules' state.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "viewer/article_viewer.h"

class QAction;
class QMenu;
class QSplitter;
class QWebEngineView;

namespace lrv {

class TfmLrvMain;

namespace viewer {

class LrvWebPage;

class BrowserHost : public QObject {
  Q_OBJECT
 public:
  // Puts the browser into window.pnBrowser; the address box is connected
  // once the window has built it (ConnectAddressBox).
  explicit BrowserHost(TfmLrvMain& window);
  ~BrowserHost() override;

  ArticleViewer& Viewer() { return *viewer_; }
  // The window's temporary page "_temp_.html": whoever writes it sets its
  // title, which the caption shows while the browser displays the page.
  TempPage& TemporaryPage() { return tempPage_; }
  QWebEngineView* Browser() const { return browser_; }
  // SplitterNote: the browser above, the note panel below.
  QSplitter* NoteSplitter() const { return noteSplitter_; }
  LrvWebPage* Page() const { return page_; }

  // ---- Starting navigations (addresses in the archive's form).
  void GoToAddress(std::string_view address);
  // The address box's text as the user left it.
  void NavigateAddressBox();
  void Back();
  void Forward();
  void Stop();
  void Refresh();
  // tlMainDblClick: the selected article, or the missing-file warning.
  void OpenSelectedArticle();

  // The history menus pmHistoryBack / pmHistoryForward, filled anew.
  void FillHistoryMenu(QMenu* menu, bool back);

  // ---- Browser events (public for tests that feed them directly).
  void WebBrowserBeforeNavigate2(const std::string& address);
  void WebBrowserNavigateComplete2(const std::string& address);
  void WebBrowserDocumentComplete();
  void WebBrowserStatusTextChange(const QString& text);
  void WebBrowserProgressChange(long progress, long maximum);

  // The note panel's steps for a completed navigation (before the
  // address-box correction); the note installer sets it.
  std::function<void(const NavigateCompleteSteps& steps)> ShowNoteForPage;

  // Wires cbURLs and adds the go button; does nothing the second time.
  void ConnectAddressBox();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Navigate(const std::string& address);
  // The rules' address box into cbURLs.
  void ShowAddressBox();
  // The text the user typed into the rules' address box.
  void TakeTypedText();
  void ShowWindowTitle(const WindowTitle& title);
  void SyncListsWithTitle(const WindowTitle& title);

  TfmLrvMain& window_;
  // Before viewer_: the viewer keeps a pointer to it.
  TempPage tempPage_;
  std::unique_ptr<ArticleViewer> viewer_;
  QWebEngineView* browser_ = nullptr;
  QSplitter* noteSplitter_ = nullptr;
  LrvWebPage* page_ = nullptr;
  QPointer<QAction> progressAction_;
  bool addressBoxConnected_ = false;
  bool showingAddressBox_ = false;
};

// The host the viewer's installer gave the window; nullptr before.
BrowserHost* BrowserHostOf(TfmLrvMain& window);

}  // namespace viewer
}  // namespace lrv
