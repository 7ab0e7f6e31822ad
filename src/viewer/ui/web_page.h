#pragma once
// The browser engine's page, seen through the events the viewer's rules
// expect: before-navigate for every main-frame navigation, navigate- and
// document-complete, status text and progress. It only translates: every
// address reaches the rules in the archive's form (a file: URL as its plain
// local path, Windows-1251), and no navigation is ever cancelled.

#include <QUrl>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <string>
#include <string_view>

namespace lrv::viewer {

// The archive's form of a browser URL: the plain native path of a local
// file, anything else as its percent-encoded text.
std::string AddressFromUrl(const QUrl& url);
// What the browser loads for an address of the address box: a URL as
// written ("about:blank", "http://..."), an absolute local path as its file
// URL, anything else as the user would type it ("www.site.org").
QUrl UrlForAddress(std::string_view address);

class LrvWebPage : public QWebEnginePage {
  Q_OBJECT
 public:
  explicit LrvWebPage(QObject* parent = nullptr);

  // The handlers behind the signals, public so that tests can feed events
  // without the engine.
  void HandleLoadFinished(bool ok);
  void HandleLoadingChanged(const QWebEngineLoadingInfo& info);
  void HandleStatusText(const QString& text) { emit statusTextChange(text); }
  void HandleProgress(int percent) { emit progressChange(percent, 100); }

 signals:
  // Main frame only, addresses in the archive's form.
  void beforeNavigate(const std::string& address);
  void navigateComplete(const std::string& address);
  void documentComplete(const std::string& address);
  void statusTextChange(const QString& text);
  void progressChange(long progress, long maximum);

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

 private:
  // The engine asks nothing before some loads ("about:blank"); the load's
  // start reports those.
  bool askedSinceLoadStart_ = false;
};

}  // namespace lrv::viewer
