#pragma once
// The article viewer's rules over the catalogue: which page an address
// shows, the window title, the pictures and captions of the history menus,
// the viewed flags and the whole navigate-complete sequence. The main
// window owns one ArticleViewer and carries out what its calls return.
//
// Addresses and catalogue texts are Windows-1251 (see addresses.h); texts
// for the screen (captions) are UTF-8.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/paths.h"
#include "catalogue/catalogue.h"
#include "search/highlight_page.h"
#include "viewer/article_index.h"
#include "viewer/browser_history.h"

namespace lrv::viewer {

// Indexes into the command image list.
inline constexpr int kImageBlankPage = 24;
inline constexpr int kImageNotRead = 71;
inline constexpr int kImageFavourite = 72;
inline constexpr int kImageNew = 73;
inline constexpr int kImageRead = 74;
inline constexpr int kImageInternetPage = 78;

inline constexpr int kHistoryMenuLimit = 15;

inline constexpr std::string_view kProductTitle = "Lorvane 6 Pro";
inline constexpr std::string_view kTitlePrefix = "Lorvane 6 Pro - ";

struct HistoryMenuItem {
  std::string caption;  // UTF-8
  std::string hint;     // the history entry; clicking goes to it (dxGoUrlClick)
  int image = kImageNotRead;
};

struct WindowTitle {
  std::string caption;  // UTF-8; also the application title
  // False for the bare product title; then the lists are not synchronised.
  bool hasPageTitle = false;
  std::string pageTitle;  // Windows-1251; what follows the prefix
};

// What the window does after a navigation completed, in this order.
struct NavigateCompleteSteps {
  WindowTitle title;
  // SyncListsWithTitle: true when the left panel is visible and the title
  // names a page. The tree's selection is already done (selectedArticle);
  // the window focuses whichever list is on the active notebook page and
  // selects title.pageTitle in the result list.
  bool syncLists = false;
  CatalogueNode* selectedArticle = nullptr;
  // The note panel: acNoteAdd enabled only for a page with a title; the
  // note file to load if it exists.
  bool noteAllowed = false;
  std::optional<std::filesystem::path> noteFile;
  // The address-box correction: navigate here (already the system's own).
  std::optional<std::string> correction;
};

class ArticleViewer {
 public:
  // `tempPage` (may be null) is the window's temporary page; it must
  // outlive the viewer.
  ArticleViewer(Catalogue& catalogue, Dirs dirs, const TempPage* tempPage = nullptr);

  Catalogue& GetCatalogue() { return catalogue_; }
  const Dirs& GetDirs() const { return dirs_; }
  BrowserHistory& History() { return history_; }
  const BrowserHistory& History() const { return history_; }
  LiveArticleIndex& Index() { return index_; }
  // BaseDir in the archive's form, ending in a separator.
  const std::string& BaseDir() const { return index_.BaseDir(); }

  // The title of the article, generated page or temporary page an address
  // shows; "" for none (Windows-1251).
  std::string PageTitleForAddress(std::string_view address);
  // The history menu caption: the page title, or the address (UTF-8).
  std::string AddressCaption(std::string_view address);
  int AddressImage(std::string_view address);
  int ArticleStateImage(std::string_view address);
  // Marks viewed, in each subcategory, the first article whose file name
  // equals the address's file-name part exactly. Returns how many.
  int MarkViewedByFileName(std::string_view address);
  // The caption from the address box's current entry.
  WindowTitle UpdateWindowTitle();
  // SelectArticleByTitle through the index: clears the tree's selection,
  // then expands, focuses, selects and marks viewed the first article with
  // the title. Returns it, or nullptr.
  CatalogueNode* SelectArticleByTitle(std::string_view title);

  // WebBrowserNavigateComplete2 for the main frame.
  NavigateCompleteSteps NavigateComplete(std::string_view address, bool leftPanelVisible);

  // pmHistoryBackPopup / pmHistoryForwardPopup: most recent first.
  std::vector<HistoryMenuItem> BackMenuItems();
  std::vector<HistoryMenuItem> ForwardMenuItems();

 private:
  std::vector<HistoryMenuItem> MenuItems(int step);
  std::string TempPagePath() const;

  Catalogue& catalogue_;
  Dirs dirs_;
  const TempPage* tempPage_;
  LiveArticleIndex index_;
  BrowserHistory history_;
};

}  // namespace lrv::viewer
