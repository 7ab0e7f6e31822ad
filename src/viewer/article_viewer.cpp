#include "viewer/article_viewer.h"

#include "base/text.h"
#include "editing/note_file.h"
#include "pages/page_table.h"
#include "viewer/addresses.h"

namespace lrv::viewer {
namespace {

bool Blank(std::string_view s) { return text::Trim(s).empty(); }

// The generated page an address shows, by its file-name part. A part that
// still holds a "/" (an internet address) names no generated page.
std::string GeneratedTitleOf(std::string_view address) {
  const std::string_view part = AddressFileNamePart(address);
  if (part.find_first_of("\\/") != std::string_view::npos) return {};
  return pages::GeneratedPageTitle(part);
}

std::string WithPrefix(std::string_view pageTitle) {
  return std::string(kTitlePrefix) + text::Cp1251ToUtf8(pageTitle);
}

}  // namespace

ArticleViewer::ArticleViewer(Catalogue& catalogue, Dirs dirs, const TempPage* tempPage)
    : catalogue_(catalogue),
      dirs_(std::move(dirs)),
      tempPage_(tempPage),
      index_(catalogue, BaseDirAddress(dirs_)),
      history_([this](std::string_view address) { return PageTitleForAddress(address); }) {}

std::string ArticleViewer::TempPagePath() const {
  return tempPage_ != nullptr ? PathToAnsi(tempPage_->path) : std::string();
}

std::string ArticleViewer::PageTitleForAddress(std::string_view address) {
  if (address.empty() || address == kAboutBlank || IsInternetAddress(address) || catalogue_.Empty())
    return {};
  if (const CatalogueNode* article = index_.Get().ByAddress(address)) return article->Title();
  std::string generated = GeneratedTitleOf(address);
  if (!generated.empty()) return generated;
  if (tempPage_ != nullptr && AddressKey(address) == AddressKey(TempPagePath())) return tempPage_->title;
  return {};
}

std::string ArticleViewer::AddressCaption(std::string_view address) {
  const std::string title = PageTitleForAddress(address);
  return text::Cp1251ToUtf8(Blank(title) ? address : std::string_view(title));
}

int ArticleViewer::ArticleStateImage(std::string_view address) {
  if (Blank(address) || address == kAboutBlank || catalogue_.Empty()) return kImageNotRead;
  const CatalogueNode* article = index_.Get().ByAddress(address);
  if (article == nullptr) return kImageNotRead;
  const std::string state = text::Lower(text::Trim(article->Value(ColState)));
  if (state == kStateFavourite) return kImageFavourite;
  if (state == kStateNew) return kImageNew;
  if (state == kStateRead) return kImageRead;
  return kImageNotRead;
}

int ArticleViewer::AddressImage(std::string_view address) {
  if (address == kAboutBlank) return kImageBlankPage;
  if (IsInternetAddress(address)) return kImageInternetPage;
  return ArticleStateImage(address);
}

int ArticleViewer::MarkViewedByFileName(std::string_view address) {
  const std::string_view fileName = AddressFileNamePart(address);
  if (Blank(fileName) || catalogue_.Empty()) return 0;
  const auto found = index_.Get().FirstInEachSubcategory(fileName);
  // Copied: marking notifies the index while we walk.
  const std::vector<CatalogueNode*> articles(found.begin(), found.end());
  for (CatalogueNode* article : articles) catalogue_.SetValue(article, ColLook, kLookedYes);
  return static_cast<int>(articles.size());
}

WindowTitle ArticleViewer::UpdateWindowTitle() {
  WindowTitle title{std::string(kProductTitle), false, {}};
  const std::string entry = history_.CurrentEntry();
  if (Blank(entry) || entry == kAboutBlank) return title;
  const std::string tempPath = TempPagePath();
  const bool isTempPage = tempPage_ != nullptr && entry == tempPath;
  if (!isTempPage) {
    std::string pageTitle = PageTitleForAddress(entry);
    if (Blank(pageTitle)) pageTitle = GeneratedTitleOf(entry);
    if (!Blank(pageTitle)) title = {WithPrefix(pageTitle), true, std::move(pageTitle)};
  } else {
    // Even an empty title of the temporary page gives the prefixed caption.
    title = {WithPrefix(tempPage_->title), true, tempPage_->title};
  }
  return title;
}

CatalogueNode* ArticleViewer::SelectArticleByTitle(std::string_view title) {
  catalogue_.ClearSelection();
  if (Blank(title) || catalogue_.Empty()) return nullptr;
  CatalogueNode* article = index_.Get().ByTitle(title);
  if (article == nullptr) return nullptr;
  CatalogueNode* sub = article->Parent();
  catalogue_.SetExpanded(sub->Parent(), true);
  catalogue_.SetExpanded(sub, true);
  catalogue_.SetFocused(article);
  catalogue_.Select(article);
  catalogue_.SetValue(article, ColLook, kLookedYes);
  return article;
}

NavigateCompleteSteps ArticleViewer::NavigateComplete(std::string_view address, bool leftPanelVisible) {
  NavigateCompleteSteps steps;
  history_.NavigateComplete(address);
  MarkViewedByFileName(address);
  steps.title = UpdateWindowTitle();
  if (leftPanelVisible && steps.title.hasPageTitle) {
    steps.syncLists = true;
    steps.selectedArticle = SelectArticleByTitle(steps.title.pageTitle);
  }
  steps.noteAllowed = !Blank(PageTitleForAddress(address));
  if (steps.noteAllowed) steps.noteFile = NoteFileForAddress(dirs_, address);
  steps.correction = history_.CorrectAddressBox();
  return steps;
}

std::vector<HistoryMenuItem> ArticleViewer::MenuItems(int step) {
  std::vector<HistoryMenuItem> items;
  const auto& entries = history_.Entries();
  const int count = static_cast<int>(entries.size());
  for (int i = history_.Index() + step; i >= 0 && i < count; i += step) {
    if (Blank(entries[i])) continue;
    items.push_back({AddressCaption(entries[i]), entries[i], AddressImage(entries[i])});
    if (static_cast<int>(items.size()) == kHistoryMenuLimit) break;
  }
  return items;
}

std::vector<HistoryMenuItem> ArticleViewer::BackMenuItems() { return MenuItems(-1); }
std::vector<HistoryMenuItem> ArticleViewer::ForwardMenuItems() { return MenuItems(+1); }

}  // namespace lrv::viewer
