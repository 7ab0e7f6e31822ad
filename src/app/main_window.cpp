#include "app/main_window.h"

#include <QApplication>
#include <algorithm>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/command_list.h"
#include "app/menu_layout.h"
#include "app/settings.h"
#include "catalogue/catalogue_rules.h"
#include "editing/ui/catalogue_tree.h"
#include "platform/qt/qt_text.h"

namespace lrv {
namespace {

constexpr int kLeftPanelWidth = 270;
constexpr int kHiddenPanelLimit = 18;

QLabel* StatusPanel(QWidget* parent, const char* name, int width) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFrameShape(QFrame::StyledPanel);
  label->setFrameShadow(QFrame::Sunken);
  label->setContentsMargins(4, 0, 4, 0);
  if (width > 0) label->setMinimumWidth(width);
  return label;
}

}  // namespace

TfmLrvMain::TfmLrvMain(AppServices& services, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), s_(services), journal_(services.dirs, services.disk),
      placement_(std::make_unique<FormPlacement>()) {
  setObjectName(QStringLiteral("TfmLrvMain"));
  setWindowTitle(QStringLiteral("Lorvane 6 Pro"));
  resize(1024, 720);
  commands_ = new CommandList(this);
  BuildLayout();
  BuildCommands();
  for (CommandInstaller install : CommandInstallers()) install(*this);
  BuildMenusAndToolbars();
  ConnectMenuPreparations();
  ConnectTree();
  FormCreate(arguments);
}

TfmLrvMain::~TfmLrvMain() {
  // The tree control and its model watch catalogue_, which is destroyed
  // before the window's children: take them down first.
  hide();
  delete tlMain;
  tlMain = nullptr;
}

void TfmLrvMain::BuildLayout() {
  Splitter = new QSplitter(Qt::Horizontal, this);
  Splitter->setObjectName(QStringLiteral("Splitter"));
  Splitter->setChildrenCollapsible(true);
  Splitter->setHandleWidth(4);
  setCentralWidget(Splitter);

  pnLeft = new QWidget(Splitter);
  pnLeft->setObjectName(QStringLiteral("pnLeft"));
  pnLeft->setMinimumWidth(1);
  auto* left = new QVBoxLayout(pnLeft);
  left->setContentsMargins(0, 0, 0, 0);
  left->setSpacing(0);

  // Title strip: the show-results button, the caption, the hide button.
  auto* strip = new QFrame(pnLeft);
  strip->setObjectName(QStringLiteral("pnTreeTitle"));
  strip->setFixedHeight(20);
  strip->setFrameShape(QFrame::StyledPanel);
  auto* stripLayout = new QHBoxLayout(strip);
  stripLayout->setContentsMargins(1, 0, 1, 0);
  auto* sbGoToFounded = new QToolButton(strip);
  sbGoToFounded->setObjectName(QStringLiteral("sbGoToFounded"));
  sbGoToFounded->setToolTip(QStringLiteral("Перейти к найденным статьям"));
  sbGoToFounded->setAutoRaise(true);
  sbGoToFounded->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  auto* caption = new QLabel(QStringLiteral("Архив статей"), strip);
  caption->setAlignment(Qt::AlignCenter);
  auto* sbHideMenuPanel2 = new QToolButton(strip);
  sbHideMenuPanel2->setObjectName(QStringLiteral("sbHideMenuPanel2"));
  sbHideMenuPanel2->setToolTip(QStringLiteral("Скрыть список статей"));
  sbHideMenuPanel2->setAutoRaise(true);
  sbHideMenuPanel2->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  connect(sbHideMenuPanel2, &QToolButton::clicked, this, [this] {
    Splitter->setSizes({1, Splitter->width()});
  });
  for (auto* b : {sbGoToFounded, sbHideMenuPanel2}) b->setFixedSize(18, 18);
  stripLayout->addWidget(sbGoToFounded);
  stripLayout->addWidget(caption, 1);
  stripLayout->addWidget(sbHideMenuPanel2);
  left->addWidget(strip);

  nbMain = new QStackedWidget(pnLeft);
  nbMain->setObjectName(QStringLiteral("nbMain"));
  pageMenu = new QWidget(nbMain);
  pageMenu->setObjectName(QStringLiteral("Menu"));
  pageSearch = new QWidget(nbMain);
  pageSearch->setObjectName(QStringLiteral("Search"));
  auto* menuLayout = new QVBoxLayout(pageMenu);
  menuLayout->setContentsMargins(0, 0, 0, 0);
  tlMain = new TCatalogueTree(catalogue_, TCatalogueTree::Kind::Catalogue, pageMenu);
  menuLayout->addWidget(tlMain);
  auto* searchLayout = new QVBoxLayout(pageSearch);
  searchLayout->setContentsMargins(0, 0, 0, 0);
  tlSearch = new QTreeView(pageSearch);
  tlSearch->setObjectName(QStringLiteral("tlSearch"));
  tlSearch->setRootIsDecorated(false);
  searchLayout->addWidget(tlSearch);
  nbMain->addWidget(pageMenu);
  nbMain->addWidget(pageSearch);
  left->addWidget(nbMain, 1);

  pnBrowser = new QWidget(Splitter);
  pnBrowser->setObjectName(QStringLiteral("pnBrowser"));
  pnBrowser->setAutoFillBackground(true);
  QPalette pal = pnBrowser->palette();
  pal.setColor(QPalette::Window, pal.color(QPalette::Base));
  pnBrowser->setPalette(pal);
  Splitter->addWidget(pnLeft);
  Splitter->addWidget(pnBrowser);
  Splitter->setStretchFactor(1, 1);
  Splitter->setSizes({kLeftPanelWidth, width() - kLeftPanelWidth});
  connect(Splitter, &QSplitter::splitterMoved, this, &TfmLrvMain::AdjustProgressWidth);

  // The status bar is a toolbar of its own at the bottom that cannot be
  // moved or closed.
  tbStatus = new QToolBar(QStringLiteral("Строка состояния"), this);
  tbStatus->setObjectName(QStringLiteral("dxDockStatus"));
  tbStatus->setMovable(false);
  tbStatus->setFloatable(false);
  tbStatus->toggleViewAction()->setVisible(false);
  tbStatus->setContextMenuPolicy(Qt::PreventContextMenu);
  pnCatsCount = StatusPanel(tbStatus, "pnCatsCount", 110);
  pnSubCatsCount = StatusPanel(tbStatus, "pnSubCatsCount", 130);
  pnArticlesCount = StatusPanel(tbStatus, "pnArticlesCount", 150);
  pnProgress = new QProgressBar(tbStatus);
  pnProgress->setObjectName(QStringLiteral("pnProgress"));
  pnProgress->setTextVisible(false);
  pnProgress->setMaximumHeight(14);
  auto* large = new QWidget(tbStatus);
  auto* largeLayout = new QHBoxLayout(large);
  largeLayout->setContentsMargins(4, 0, 4, 0);
  pnStatusLargeImage = new QLabel(large);
  pnStatusLarge = StatusPanel(large, "pnStatusLarge", 0);
  pnStatusLarge->setFrameShape(QFrame::NoFrame);
  largeLayout->addWidget(pnStatusLargeImage);
  largeLayout->addWidget(pnStatusLarge, 1);
  large->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  // The first three panels and the progress bar share the left panel's width.
  auto* counts = new QWidget(tbStatus);
  auto* countsLayout = new QHBoxLayout(counts);
  countsLayout->setContentsMargins(0, 0, 0, 0);
  countsLayout->addWidget(pnCatsCount);
  countsLayout->addWidget(pnSubCatsCount);
  countsLayout->addWidget(pnArticlesCount);
  tbStatus->addWidget(counts);
  tbStatus->addWidget(pnProgress);
  tbStatus->addWidget(large);
  addToolBar(Qt::BottomToolBarArea, tbStatus);
}

void TfmLrvMain::BuildMenusAndToolbars() {
  menuBar()->setObjectName(QStringLiteral("dxMainMenu"));
  for (const MenuSpec& layout : MainMenuLayout()) {
    auto* menu = new QMenu(layout.caption, menuBar());
    menu->setObjectName(QString::fromLatin1(layout.objectName));
    FillMenu(menu, layout.items, *commands_);
    menuBar()->addMenu(menu);
    if (QLatin1String(layout.objectName) == QLatin1String("miView")) {
      // The list of toolbars with their visibility heads the view menu.
      auto* bars = new QMenu(QStringLiteral("&Панели инструментов"), menu);
      bars->setObjectName(QStringLiteral("miToolbarsList"));
      connect(bars, &QMenu::aboutToShow, this, [this, bars] {
        bars->clear();
        for (QToolBar* bar : findChildren<QToolBar*>())
          if (bar->toggleViewAction()->isVisible()) bars->addAction(bar->toggleViewAction());
      });
      menu->insertMenu(menu->actions().value(0), bars);
    }
  }

  tbNavigation = new QToolBar(QStringLiteral("Навигация"), this);
  tbNavigation->setObjectName(QStringLiteral("tbNavigation"));
  FillToolBar(tbNavigation, NavigationToolbarLayout(), *commands_);
  addToolBar(Qt::TopToolBarArea, tbNavigation);
  addToolBarBreak(Qt::TopToolBarArea);

  tbAddress = new QToolBar(QStringLiteral("Адрес"), this);
  tbAddress->setObjectName(QStringLiteral("tbAddress"));
  tbAddress->addWidget(new QLabel(QStringLiteral(" Адрес "), tbAddress));
  cbURLs = new QComboBox(tbAddress);
  cbURLs->setObjectName(QStringLiteral("cbURLs"));
  cbURLs->setEditable(true);
  cbURLs->setInsertPolicy(QComboBox::NoInsert);
  cbURLs->setMinimumWidth(600);
  tbAddress->addWidget(cbURLs);
  addToolBar(Qt::TopToolBarArea, tbAddress);

  // The window sees keys typed anywhere in it first.
  qApp->installEventFilter(this);

  pmTreeList = new QMenu(this);
  pmTreeList->setObjectName(QStringLiteral("pmTreeList"));
  FillMenu(pmTreeList, TreeContextMenuLayout(), *commands_);
}

void TfmLrvMain::ConnectMenuPreparations() {
  for (auto& [name, prepare] : menuPreparations_) {
    for (QMenu* menu : findChildren<QMenu*>(QString::fromLatin1(name))) {
      auto work = prepare;
      connect(menu, &QMenu::aboutToShow, this, [menu, work] { work(menu); });
    }
  }
}

void TfmLrvMain::ConnectTree() {
  connect(tlMain, &TCatalogueTree::contextMenuRequested, this, [this](QPoint at) { pmTreeList->popup(at); });
  connect(tlMain, &TCatalogueTree::contextMenuRequestedAtPanel, this, [this] {
    const QPoint corner = pnLeft->mapTo(this, QPoint(0, 0));
    pmTreeList->popup(mapToGlobal(QPoint(corner.x(), corner.y() + style()->pixelMetric(QStyle::PM_TitleBarHeight))));
  });
  connect(tlMain, &TCatalogueTree::openRequested, this, [this] {
    if (OpenSelectedArticle) OpenSelectedArticle();
  });
  connect(tlMain, &TCatalogueTree::renameRequested, this, [this] {
    if (RenameSelectedNode) RenameSelectedNode();
  });
  connect(tlMain, &TCatalogueTree::selectedCountChanged, this, [this](int count, bool shiftOrCtrlHeld) {
    pnStatusLargeImage->clear();
    pnStatusLarge->setText(shiftOrCtrlHeld ? QStringLiteral("Выбрано: ") + QString::number(count) : QString());
  });
}

bool TfmLrvMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && isActiveWindow()) {
    auto* key = static_cast<QKeyEvent*>(event);
    const auto mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key->key() == Qt::Key_F6 && mods == Qt::ControlModifier) {
      // Into the address box, ready for editing.
      cbURLs->setFocus(Qt::ShortcutFocusReason);
      cbURLs->lineEdit()->selectAll();
      return true;
    }
    if (key->key() == Qt::Key_F3 && mods == Qt::ShiftModifier) {
      commands_->Execute("acSearch");  // the search window with the selected categories
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TfmLrvMain::LeftPanelOpen() const { return pnLeft->width() > kHiddenPanelLimit; }

bool TfmLrvMain::TreeInView() const { return nbMain->currentWidget() == pageMenu && LeftPanelOpen(); }

void TfmLrvMain::UpdateStatusCounts() {
  const StatusCaptions captions = lrv::UpdateStatusCounts(catalogue_);
  pnCatsCount->setText(FromUtf8(captions.categories));
  pnSubCatsCount->setText(FromUtf8(captions.subcategories));
  pnArticlesCount->setText(FromUtf8(captions.articles));
}

void TfmLrvMain::ShowTree() {
  nbMain->setCurrentWidget(pageMenu);
  if (pnLeft->width() < kHiddenPanelLimit) Splitter->setSizes({kLeftPanelWidth, Splitter->width() - kLeftPanelWidth});
}

void TfmLrvMain::AdjustProgressWidth() {
  if (!pnLeft->isVisible()) return;
  pnProgress->setFixedWidth(std::max(1, pnLeft->width() - 1));
}

void TfmLrvMain::SetToolbarStyle(int style) {
  toolbarStyle_ = style;
  // Standard: captions beside the pictures on plain bars; enhanced: raised
  // picture buttons on shaded bars; flat: flat picture buttons, no frames.
  const Qt::ToolButtonStyle buttons = style == kStyleStandard ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly;
  static const QString sheets[] = {
      QStringLiteral("QToolBar { border: 1px solid palette(mid); background: palette(button); }"),
      QStringLiteral("QToolBar { border: 1px solid palette(dark); border-radius: 3px;"
                     " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 palette(light),"
                     " stop:1 palette(button)); }"),
      QStringLiteral("QToolBar { border: none; background: palette(window); }")};
  const QString& sheet = sheets[std::clamp(style, 0, 2)];
  for (QToolBar* bar : {tbNavigation, tbAddress}) {
    bar->setToolButtonStyle(buttons);
    bar->setStyleSheet(sheet);
    for (QToolButton* button : bar->findChildren<QToolButton*>()) button->setAutoRaise(style != kStyleEnhanced);
  }
  const char* checked = style == kStyleStandard ? "acInterfaceStandard"
                        : style == kStyleEnhanced ? "acInterfaceEx" : "acInterfaceFlat";
  for (const char* name : {"acInterfaceStandard", "acInterfaceEx", "acInterfaceFlat"})
    if (QAction* a = (*commands_)[name]) a->setChecked(QLatin1String(name) == QLatin1String(checked));
}

}  // namespace lrv
