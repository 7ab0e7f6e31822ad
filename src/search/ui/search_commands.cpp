#include "search/ui/search_commands.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

#include "app/command_list.h"
#include "app/main_window.h"
#include "app/menu_layout.h"
#include "app/progress_window.h"
#include "editing/ui/catalogue_tree.h"
#include "editing/ui/editing_commands.h"
#include "platform/disk.h"
#include "platform/prompter.h"
#include "search/search_history.h"
#include "search/ui/search_list.h"
#include "search/ui/search_progress.h"
#include "search/ui/search_window.h"

namespace lrv {
namespace {

constexpr int kLeftPanelWidth = 270;
constexpr int kHiddenPanelLimit = 18;
constexpr int kNothingFoundHelpContext = 64;
const char* const kSearchCaption = "Поиск статей (Esc - отмена)";

struct ViewCommand {
  const char* name;
  const char* caption;
  const char* hint;
  int key;  // 0: none
  ResultView view;
};
constexpr ViewCommand kViewCommands[] = {
    {"acShowFavorite", "&избранные", "Показать только избранные статьи", 0, ResultView::Favourite},
    {"acShowNew", "&новые", "Показать только новые статьи", 0, ResultView::New},
    {"acShowReaded", "&прочитанные", "Показать только прочитанные статьи", 0, ResultView::Read},
    {"acShowNonReaded", "н&епрочитанные", "Показать только непрочитанные статьи", 0, ResultView::NotRead},
    {"acPointer", "&Указатель", "Список всех работ", Qt::Key_F6, ResultView::Index},
    {"acArticlesWithNote", "С при&мечанием", "Показать только статьи с примечанием", 0, ResultView::WithNote},
    {"acArticlesWithoutNote", "Бе&з примечания", "Показать только статьи без примечания", 0, ResultView::WithoutNote},
    {"acArticlesLooked", "Прос&мотренные", "Показать только просмотренные статьи", 0, ResultView::Viewed},
    {"acArticlesNotLooked", "Непросмотренн&ые", "Показать только непросмотренные статьи", 0, ResultView::NotViewed},
};

MenuItemSpec Cmd(const char* name) { return {name, {}, nullptr, {}}; }
MenuItemSpec Sep() { return {"|", {}, nullptr, {}}; }

// pmSearch. The category, subcategory and authors submenus belong to
// their own subsystems and are not part of it yet.
std::vector<MenuItemSpec> SearchContextMenuLayout() {
  return {Cmd("acAllArticlesList"), Sep(), Cmd("acSearch"), Cmd("acSearchInArticlesText"), Sep(),
          Cmd("acPointer"), Cmd("acRandArticle"),
          {nullptr, QStringLiteral("&Показать статьи"), "miShowArticlesPopup",
           {Cmd("acShowFavorite"), Cmd("acShowNew"), Cmd("acShowReaded"), Cmd("acShowNonReaded"), Sep(),
            Cmd("acArticlesWithNote"), Cmd("acArticlesWithoutNote"), Sep(), Cmd("acArticlesLooked"),
            Cmd("acArticlesNotLooked")}},
          Sep(),
          {nullptr, QStringLiteral("&Отметить статью как"), "miMarkSearchPopup",
           {Cmd("acCheckFavorite"), Cmd("acCheckNew"), Cmd("acCheckReaded"), Cmd("acCheckNonReaded")}},
          Sep(), Cmd("acTreeList")};
}

QToolButton* TitleButton(QWidget* parent, const char* name, const QString& hint, QStyle::StandardPixmap icon) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  button->setAutoRaise(true);
  button->setIcon(parent->style()->standardIcon(icon));
  button->setFixedSize(18, 18);
  return button;
}

}  // namespace

void InstallSearchCommands(TfmLrvMain& window) {
  if (SearchCommands::Of(window) == nullptr) new SearchCommands(window);
}

SearchCommands* SearchCommands::Of(TfmLrvMain& window) {
  return window.findChild<SearchCommands*>(QStringLiteral("SearchCommands"), Qt::FindDirectChildrenOnly);
}

SearchCommands::SearchCommands(TfmLrvMain& window) : QObject(&window), w_(window) {
  setObjectName(QStringLiteral("SearchCommands"));
  BuildPage();
  AddCommands();
  w_.SelectedResultRows = [this] { return list_->SelectedRows(); };
  w_.ResultRowsChanged = [this] {
    list_->RowsChanged();
    SetCount();
  };
  w_.SelectResultByTitle = [this](const std::string& title) { SelectResultByTitle(title); };
}

void SearchCommands::BuildPage() {
  auto* layout = qobject_cast<QVBoxLayout*>(w_.pageSearch->layout());
  if (layout == nullptr) layout = new QVBoxLayout(w_.pageSearch);
  if (w_.tlSearch != nullptr) {
    layout->removeWidget(w_.tlSearch);
    delete w_.tlSearch;
    w_.tlSearch = nullptr;
  }
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  // Title bar: back to the tree, the caption, hide the panel.
  auto* title = new QFrame(w_.pageSearch);
  title->setObjectName(QStringLiteral("pnSearchTitle"));
  title->setFixedHeight(20);
  title->setFrameShape(QFrame::StyledPanel);
  auto* titleLayout = new QHBoxLayout(title);
  titleLayout->setContentsMargins(1, 0, 1, 0);
  QToolButton* sbBack = TitleButton(title, "sbBack", QStringLiteral("Обратно к дереву статей"), QStyle::SP_ArrowBack);
  auto* caption = new QLabel(QStringLiteral("Найденные статьи"), title);
  caption->setAlignment(Qt::AlignCenter);
  QToolButton* sbHide =
      TitleButton(title, "sbHideMenuPanel", QStringLiteral("Скрыть список статей"), QStyle::SP_TitleBarCloseButton);
  titleLayout->addWidget(sbBack);
  titleLayout->addWidget(caption, 1);
  titleLayout->addWidget(sbHide);
  connect(sbBack, &QToolButton::clicked, this, [this] { w_.commands().Execute("acTreeList"); });
  connect(sbHide, &QToolButton::clicked, this, [this] { w_.Splitter->setSizes({1, w_.Splitter->width()}); });

  list_ = new TSearchList(w_.results(), w_.pageSearch);
  pnFoundCount_ = new QLabel(w_.pageSearch);
  pnFoundCount_->setObjectName(QStringLiteral("pnFoundCount"));
  pnFoundCount_->setFrameShape(QFrame::StyledPanel);
  pnFoundCount_->setContentsMargins(4, 1, 4, 1);
  layout->addWidget(title);
  layout->addWidget(list_, 1);
  layout->addWidget(pnFoundCount_);
  w_.tlSearch = list_;

  connect(list_, &TCatalogueTree::openRequested, this, &SearchCommands::OpenSelectedRow);
  connect(list_, &TCatalogueTree::contextMenuRequested, this, &SearchCommands::ShowContextMenu);
  connect(list_, &TCatalogueTree::contextMenuRequestedAtPanel, this, [this] {
    const QPoint corner = w_.pnLeft->mapTo(&w_, QPoint(0, 0));
    ShowContextMenu(
        w_.mapToGlobal(QPoint(corner.x(), corner.y() + w_.style()->pixelMetric(QStyle::PM_TitleBarHeight))));
  });
  connect(list_, &TCatalogueTree::selectedCountChanged, this, [this](int count, bool shiftOrCtrlHeld) {
    w_.pnStatusLargeImage->clear();
    w_.pnStatusLarge->setText(shiftOrCtrlHeld ? QStringLiteral("Выбрано: ") + QString::number(count) : QString());
  });

  // The tree page's button to the results.
  if (auto* toFound = w_.findChild<QToolButton*>(QStringLiteral("sbGoToFounded")))
    connect(toFound, &QToolButton::clicked, this, [this] { w_.commands().Execute("acShowFoundedArticles"); });
}

void SearchCommands::EnableBrowsingGroups(QMenu* menu) {
  // miGroupsPopup: the submenus that browse the catalogue need a category.
  static const QLatin1String kGroups[] = {QLatin1String("miChooseCat"), QLatin1String("miChooseSubCat"),
                                          QLatin1String("miAuthors"), QLatin1String("miShowArticles"),
                                          QLatin1String("miShowArticlesPopup")};
  const bool any = !w_.catalogue().Empty();
  for (QAction* action : menu->actions())
    if (action->menu() && std::find(std::begin(kGroups), std::end(kGroups), action->menu()->objectName()) != std::end(kGroups))
      action->setEnabled(any);
}

void SearchCommands::AddCommands() {
  CommandList& c = w_.commands();
  auto hasCategories = [this] { return !w_.catalogue().Empty(); };
  w_.OnMenuOpen("miSelect", [this](QMenu* menu) { EnableBrowsingGroups(menu); });

  QAction* search = c.Add({"acSearch", QStringLiteral("По&иск статей"), QStringLiteral("Искать нужные статьи"),
                           {QKeySequence(Qt::Key_F3)},
                           [this] {
                             OpenSearchWindow(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier));
                           },
                           hasCategories});
  search->setIconText(QStringLiteral("По&иск"));

  for (const ViewCommand& command : kViewCommands) {
    QList<QKeySequence> keys;
    if (command.key != 0) keys.append(QKeySequence(command.key));
    const ResultView view = command.view;
    c.Add({command.name, QString::fromUtf8(command.caption), QString::fromUtf8(command.hint), keys,
           [this, view] { RunView(view); }, hasCategories});
  }

  c.Add({"acShowFoundedArticles", QStringLiteral("Показать &найденные статьи"),
         QStringLiteral("Показать найденные в предыдущем запросе статьи"), {QKeySequence(Qt::CTRL | Qt::Key_F11)},
         [this] { ShowFoundArticles(); },
         [this] { return w_.nbMain->currentWidget() == w_.pageMenu || w_.pnLeft->width() < kHiddenPanelLimit; }});
}

void SearchCommands::ShowFoundArticles() {
  w_.nbMain->setCurrentWidget(w_.pageSearch);
  if (w_.pnLeft->width() < kHiddenPanelLimit)
    w_.Splitter->setSizes({kLeftPanelWidth, std::max(1, w_.Splitter->width() - kLeftPanelWidth)});
  list_->RefreshSelectedImages();
}

void SearchCommands::SuspendRepaint(bool suspend) {
  list_->setUpdatesEnabled(!suspend);
  if (w_.tlMain != nullptr) static_cast<QWidget*>(w_.tlMain)->setUpdatesEnabled(!suspend);
}

void SearchCommands::SetCount() { pnFoundCount_->setText(FoundCountText(list_->RowCount())); }

void SearchCommands::ClearResultList() {
  lrv::ClearResultList(w_.results());
  list_->ShowRows();
  SetCount();
}

void SearchCommands::ShowSearchResults() {
  if (w_.results().rows.empty())
    w_.services().prompter.Inform("Не найдено ни одной статьи!", kNothingFoundHelpContext);
  else
    w_.nbMain->setCurrentWidget(w_.pageSearch);
  SetCount();
}

void SearchCommands::SelectResultByTitle(const std::string& title) { list_->SelectByTitle(title); }

void SearchCommands::OpenSelectedRow() {
  const std::vector<int> rows = list_->SelectedRows();
  if (rows.size() != 1 || !w_.OpenResultRow) return;
  const auto row = static_cast<std::size_t>(rows.front());
  if (row < w_.results().rows.size()) w_.OpenResultRow(w_.results().rows[row]);
}

void SearchCommands::ShowContextMenu(QPoint globalPos) {
  if (pmSearch_ == nullptr) {
    // Filled on first use, when every subsystem has added its commands.
    pmSearch_ = new QMenu(&w_);
    pmSearch_->setObjectName(QStringLiteral("pmSearch"));
    FillMenu(pmSearch_, SearchContextMenuLayout(), w_.commands());
    connect(pmSearch_, &QMenu::aboutToShow, this, [this] {
      EnableBrowsingGroups(pmSearch_);
      PrepareMarkSubmenu(w_, pmSearch_, "miMarkSearchPopup");
    });
  }
  pmSearch_->popup(globalPos);
}

void SearchCommands::RunView(ResultView view) {
  SuspendRepaint(true);
  try {
    TfmProgress progress(w_.services().registry, &w_);
    TfmProgress::SetAndPaint(progress.lbCaption, QString::fromUtf8(kSearchCaption));
    progress.Progress1->setMaximum(w_.catalogue().RootCount());
    progress.ShowNow();
    ProgressWindowFeed feed(progress, nullptr, nullptr);
    RunResultView(w_.catalogue(), w_.services().dirs, view, w_.results(), feed, w_.lastSearch());
  } catch (const std::exception& e) {
    w_.services().prompter.Error(e.what(), 0, MessageButtons::Ok);
  }
  list_->ShowRows();
  ShowSearchResults();
  SuspendRepaint(false);
  w_.commands().Execute("acShowFoundedArticles");
}

void SearchCommands::RunSearchPass(TfmSearch& form, const SearchQuery& query) {
  SuspendRepaint(true);
  try {
    TfmProgress progress(w_.services().registry, &form);
    progress.SetCancelTarget([&form] { form.SearchCancelled = true; });
    TfmProgress::SetAndPaint(progress.lbCaption, QString::fromUtf8(kSearchCaption));
    progress.Progress1->setMaximum(w_.catalogue().RootCount());
    progress.ShowNow();
    ProgressWindowFeed feed(progress, &form.SearchCancelled, pnFoundCount_);
    feed.RowFound = RowFound;
    const SearchOutcome outcome = RunSearch(w_.catalogue(), w_.services().dirs, query, w_.results(), feed);
    if (outcome.handover) w_.lastSearch() = *outcome.handover;
  } catch (const std::exception& e) {
    w_.services().prompter.Error(e.what(), 0, MessageButtons::Ok);
  }
  form.SetHaveRows(!w_.results().rows.empty());
  list_->ShowRows();
  ShowSearchResults();
  SuspendRepaint(false);
  w_.commands().Execute("acShowFoundedArticles");
}

void SearchCommands::OpenSearchWindow(bool preselect) {
  AppServices& s = w_.services();
  TfmSearch form(s.dirs, s.help, &w_);
  form.Fill(w_.catalogue(), preselect, !w_.results().rows.empty(), history_);
  form.Shown = [this] { w_.nbMain->setCurrentWidget(w_.pageSearch); };
  form.RunPass = [this](TfmSearch& f, const SearchQuery& query) { RunSearchPass(f, query); };
  form.exec();
  history_ = form.History();
  try {
    SaveSearchHistory(s.dirs, history_, s.disk.IsOnFixedDisk());
  } catch (const std::exception& e) {
    s.prompter.Error(e.what(), 0, MessageButtons::Ok);
  }
}

}  // namespace lrv
