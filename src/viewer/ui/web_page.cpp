#include "viewer/ui/web_page.h"

#include <filesystem>
#include <utility>

#include "base/paths.h"
#include "base/text.h"
#include "platform/qt/qt_text.h"
#include "viewer/addresses.h"

namespace lrv::viewer {

std::string AddressFromUrl(const QUrl& url) {
  if (url.isLocalFile()) return PathToAnsi(ToPath(url.toLocalFile()));
  return url.toString(QUrl::FullyEncoded).toStdString();
}

QUrl UrlForAddress(std::string_view address) {
  const QString shown = FromAnsi(text::Trim(address));
  // A drive letter is no scheme, so "C:\..." is a path.
  if (HasUrlScheme(address)) return QUrl(shown);
  const std::filesystem::path path = AnsiToPath(text::Trim(address));
  if (path.is_absolute()) return QUrl::fromLocalFile(FromPath(path));
  return QUrl::fromUserInput(shown);
}

LrvWebPage::LrvWebPage(QObject* parent) : QWebEnginePage(parent) {
  connect(this, &QWebEnginePage::loadFinished, this, &LrvWebPage::HandleLoadFinished);
  connect(this, &QWebEnginePage::loadingChanged, this, &LrvWebPage::HandleLoadingChanged);
  connect(this, &QWebEnginePage::linkHovered, this, &LrvWebPage::HandleStatusText);
  connect(this, &QWebEnginePage::loadProgress, this, &LrvWebPage::HandleProgress);
}

bool LrvWebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
  if (isMainFrame) {
    askedSinceLoadStart_ = true;
    emit beforeNavigate(AddressFromUrl(url));
  }
  return true;
}

void LrvWebPage::HandleLoadingChanged(const QWebEngineLoadingInfo& info) {
  if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus) {
    askedSinceLoadStart_ = false;
    return;
  }
  if (!std::exchange(askedSinceLoadStart_, false)) emit beforeNavigate(AddressFromUrl(info.url()));
}

void LrvWebPage::HandleLoadFinished(bool ok) {
  // A navigation that fails to complete marks nothing and corrects nothing.
  if (!ok) return;
  const std::string address = AddressFromUrl(url());
  emit navigateComplete(address);
  emit documentComplete(address);
}

}  // namespace lrv::viewer
