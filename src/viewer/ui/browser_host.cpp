#include "viewer/ui/browser_host.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "app/command_list.h"
#include "app/main_window.h"
#include "editing/ui/catalogue_tree.h"
#include "editing/ui/tree_images.h"
#include "platform/qt/qt_text.h"
#include "viewer/browser_status.h"
#include "viewer/open_article.h"
#include "viewer/ui/web_page.h"

namespace lrv::viewer {
namespace {

// The pictures of the command image list that the viewer names.
QIcon ImageIcon(int image) {
  switch (image) {
    case kImageBlankPage: return qApp->style()->standardIcon(QStyle::SP_FileIcon);
    case kImageInternetPage: return qApp->style()->standardIcon(QStyle::SP_DriveNetIcon);
    case kImageFavourite: return QIcon(QPixmap::fromImage(DrawTreeImage(8)));
    case kImageNew: return QIcon(QPixmap::fromImage(DrawTreeImage(6)));
    case kImageRead: return QIcon(QPixmap::fromImage(DrawTreeImage(10)));
    default: return QIcon(QPixmap::fromImage(DrawTreeImage(4)));
  }
}

// A typed text in the archive's form; characters without a Windows-1251
// form cannot name an archive file, so the text goes as a URL would.
std::string TypedAddress(const QString& typed) {
  if (auto ansi = ToAnsi(typed)) return *ansi;
  return QUrl::fromUserInput(typed).toString(QUrl::FullyEncoded).toStdString();
}

}  // namespace

BrowserHost::BrowserHost(TfmLrvMain& window)
    : QObject(&window), window_(window), tempPage_(MakeTempPage(window.services().dirs)),
      viewer_(std::make_unique<ArticleViewer>(window.catalogue(), window.services().dirs, &tempPage_)) {
  setObjectName(QStringLiteral("BrowserHost"));
  auto* layout = new QVBoxLayout(window.pnBrowser);
  layout->setContentsMargins(0, 0, 0, 0);
  // The browser above, the note panel (added by the note installer) below.
  noteSplitter_ = new QSplitter(Qt::Vertical, window.pnBrowser);
  noteSplitter_->setObjectName(QStringLiteral("SplitterNote"));
  layout->addWidget(noteSplitter_);
  browser_ = new QWebEngineView(noteSplitter_);
  browser_->setObjectName(QStringLiteral("WebBrowser"));
  page_ = new LrvWebPage(browser_);
  browser_->setPage(page_);
  noteSplitter_->addWidget(browser_);
  noteSplitter_->setStretchFactor(0, 1);

  connect(page_, &LrvWebPage::beforeNavigate, this, &BrowserHost::WebBrowserBeforeNavigate2);
  connect(page_, &LrvWebPage::navigateComplete, this, &BrowserHost::WebBrowserNavigateComplete2);
  connect(page_, &LrvWebPage::documentComplete, this, [this] { WebBrowserDocumentComplete(); });
  connect(page_, &LrvWebPage::statusTextChange, this, &BrowserHost::WebBrowserStatusTextChange);
  connect(page_, &LrvWebPage::progressChange, this, &BrowserHost::WebBrowserProgressChange);

  for (QAction* action : window.tbStatus->actions())
    if (window.tbStatus->widgetForAction(action) == window.pnProgress) progressAction_ = action;
  if (progressAction_) progressAction_->setVisible(false);

  // The address box is built after the installers ran.
  QMetaObject::invokeMethod(this, &BrowserHost::ConnectAddressBox, Qt::QueuedConnection);
}

BrowserHost::~BrowserHost() = default;

BrowserHost* BrowserHostOf(TfmLrvMain& window) {
  return window.findChild<BrowserHost*>(QStringLiteral("BrowserHost"), Qt::FindDirectChildrenOnly);
}

// ---- Navigations.

void BrowserHost::Navigate(const std::string& address) {
  ShowAddressBox();
  browser_->load(UrlForAddress(address));
}

void BrowserHost::GoToAddress(std::string_view address) { Navigate(viewer_->History().GoToAddress(address)); }

void BrowserHost::NavigateAddressBox() {
  TakeTypedText();
  Navigate(viewer_->History().NavigateAddressBox());
}

void BrowserHost::Back() { Navigate(viewer_->History().Back()); }
void BrowserHost::Forward() { Navigate(viewer_->History().Forward()); }
void BrowserHost::Stop() { browser_->stop(); }

void BrowserHost::Refresh() {
  // The style sheet may have changed under the page (font size).
  browser_->triggerPageAction(QWebEnginePage::ReloadAndBypassCache);
  const WindowTitle title = viewer_->UpdateWindowTitle();
  ShowWindowTitle(title);
  if (title.hasPageTitle && window_.pnLeft->isVisible() && window_.LeftPanelOpen()) {
    viewer_->SelectArticleByTitle(title.pageTitle);
    SyncListsWithTitle(title);
  }
}

void BrowserHost::OpenSelectedArticle() {
  if (auto address = tlMainDblClick(*viewer_, window_.services().prompter)) Navigate(*address);
}

void BrowserHost::FillHistoryMenu(QMenu* menu, bool back) {
  menu->clear();
  const auto items = back ? viewer_->BackMenuItems() : viewer_->ForwardMenuItems();
  for (const HistoryMenuItem& item : items) {
    QAction* action = menu->addAction(ImageIcon(item.image), FromUtf8(item.caption));
    action->setStatusTip(FromAnsi(item.hint));
    const std::string address = item.hint;
    // dxGoUrlClick
    connect(action, &QAction::triggered, this, [this, address] { GoToAddress(address); });
  }
}

// ---- Browser events.

void BrowserHost::WebBrowserBeforeNavigate2(const std::string& address) {
  viewer_->History().BeforeNavigate(address);
  ShowAddressBox();
}

void BrowserHost::WebBrowserNavigateComplete2(const std::string& address) {
  const bool leftPanelVisible = window_.pnLeft->isVisible() && window_.LeftPanelOpen();
  const NavigateCompleteSteps steps = viewer_->NavigateComplete(address, leftPanelVisible);
  ShowWindowTitle(steps.title);
  if (steps.syncLists) SyncListsWithTitle(steps.title);
  if (ShowNoteForPage) ShowNoteForPage(steps);
  ShowAddressBox();
  if (steps.correction) Navigate(*steps.correction);  // dxURLTempClick
}

void BrowserHost::WebBrowserDocumentComplete() {
  // Removes the frame the engine may draw around the page.
  page_->runJavaScript(QStringLiteral("if (document.body) document.body.style.borderStyle = 'none';"));
}

void BrowserHost::WebBrowserStatusTextChange(const QString& text) {
  const StatusPanel panel = StatusTextChange(ToUtf8(text));
  window_.pnStatusLarge->setText(FromUtf8(panel.caption));
  if (panel.image == kNoImage) window_.pnStatusLargeImage->clear();
  else window_.pnStatusLargeImage->setPixmap(ImageIcon(panel.image).pixmap(16, 16));
}

void BrowserHost::WebBrowserProgressChange(long progress, long maximum) {
  const ProgressDisplay display = ProgressChange(progress, maximum);
  for (QLabel* count : {window_.pnCatsCount, window_.pnSubCatsCount, window_.pnArticlesCount})
    count->setVisible(!display.showProgress);
  if (progressAction_) progressAction_->setVisible(display.showProgress);
  if (!display.showProgress) return;
  window_.pnProgress->setMaximum(static_cast<int>(display.maximum));
  window_.pnProgress->setValue(static_cast<int>(display.position));
  window_.pnProgress->setFixedWidth(std::max(1, window_.pnLeft->width() - 1));
}

// ---- The window's side.

void BrowserHost::ShowWindowTitle(const WindowTitle& title) { window_.setWindowTitle(FromUtf8(title.caption)); }

void BrowserHost::SyncListsWithTitle(const WindowTitle& title) {
  // The list on the active page takes the focus; the rules have already
  // selected the article in the tree.
  if (window_.nbMain->currentWidget() == window_.pageMenu) {
    window_.tlMain->setFocus();
  } else {
    window_.tlSearch->setFocus();
  }
  if (window_.SelectResultByTitle) window_.SelectResultByTitle(title.pageTitle);
}

void BrowserHost::ShowAddressBox() {
  QComboBox* box = window_.cbURLs;
  if (box == nullptr) return;
  const BrowserHistory& history = viewer_->History();
  showingAddressBox_ = true;
  const QSignalBlocker block(box);
  box->clear();
  for (const std::string& address : history.AddressList()) box->addItem(FromAnsi(address));
  box->setCurrentIndex(history.CurrentEntryIndex());
  box->setEditText(FromAnsi(history.BoxText()));
  showingAddressBox_ = false;
}

void BrowserHost::TakeTypedText() {
  if (window_.cbURLs) viewer_->History().SetBoxText(TypedAddress(window_.cbURLs->currentText()));
}

void BrowserHost::ConnectAddressBox() {
  QComboBox* box = window_.cbURLs;
  if (addressBoxConnected_ || box == nullptr) return;
  addressBoxConnected_ = true;
  box->setMaxVisibleItems(8);

  // The list restored with the window's stored properties, if any.
  std::vector<std::string> restored;
  for (int i = 0; i < box->count(); ++i) restored.push_back(TypedAddress(box->itemText(i)));
  if (!restored.empty()) viewer_->History().RestoreAddressList(std::move(restored));
  TakeTypedText();
  ShowAddressBox();

  connect(box->lineEdit(), &QLineEdit::textEdited, this, [this] { TakeTypedText(); });
  // cbUrlsChange: an entry chosen from the drop-down navigates at once.
  connect(box, &QComboBox::activated, this, [this, box](int index) {
    if (showingAddressBox_) return;
    if (auto address = viewer_->History().AddressBoxChanged(TypedAddress(box->itemText(index)))) Navigate(*address);
  });
  box->installEventFilter(this);
  box->lineEdit()->installEventFilter(this);
  box->view()->installEventFilter(this);

  // dxGoAddress follows the box.
  if (window_.tbAddress) {
    auto* go = new QAction(QStringLiteral("&Переход"), window_.tbAddress);
    go->setObjectName(QStringLiteral("dxGoAddress"));
    go->setIcon(qApp->style()->standardIcon(QStyle::SP_ArrowForward));
    connect(go, &QAction::triggered, this, [this] { window_.commands().Execute("acGoAddress"); });
    window_.tbAddress->addAction(go);
  }
}

bool BrowserHost::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  QComboBox* box = window_.cbURLs;
  auto* key = static_cast<QKeyEvent*>(event);
  const auto mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (box != nullptr && watched == box->view()) {
    // Typing goes on in the box while the drop-down is open.
    if (!key->text().isEmpty() && key->text().at(0).isPrint() && (mods & ~Qt::ShiftModifier) == 0) {
      QApplication::sendEvent(box->lineEdit(), event);
      return true;
    }
    return false;
  }
  if (box == nullptr || (watched != box && watched != box->lineEdit())) return false;
  // cbUrlsKeyDown
  if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == 0) {
    NavigateAddressBox();
    return true;
  }
  if (key->key() == Qt::Key_Delete && mods == Qt::ShiftModifier) {
    viewer_->History().ClearAddressList();
    TakeTypedText();
    ShowAddressBox();
    return true;
  }
  // cbURLsKeyPress
  if (!key->text().isEmpty() && key->text().at(0).isPrint() && (mods & ~Qt::ShiftModifier) == 0 &&
      viewer_->History().ShouldOpenDropDown(box->view()->isVisible()))
    box->showPopup();
  return false;
}

}  // namespace lrv::viewer
