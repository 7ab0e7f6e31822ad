// The shell's own commands: exit, interface styles, toolbar layout, tree
// view order and expansion.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QStyle>
#include <QToolBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/command_list.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "editing/ui/catalogue_tree.h"
#include "platform/prompter.h"

namespace lrv {
namespace {

// A small dialog listing the toolbars with a check box for each.
void ShowToolbarsDialog(QMainWindow* window) {
  QDialog dialog(window);
  dialog.setObjectName(QStringLiteral("TfmToolbars"));
  dialog.setWindowTitle(QStringLiteral("Настройка панелей"));
  auto* layout = new QVBoxLayout(&dialog);
  QList<QPair<QCheckBox*, QToolBar*>> boxes;
  for (QToolBar* bar : window->findChildren<QToolBar*>()) {
    if (!bar->toggleViewAction()->isVisible()) continue;  // the status bar stays
    auto* box = new QCheckBox(bar->windowTitle(), &dialog);
    box->setChecked(bar->isVisible());
    layout->addWidget(box);
    boxes.append({box, bar});
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return;
  for (auto [box, bar] : boxes) bar->setVisible(box->isChecked());
}

}  // namespace

void TfmLrvMain::BuildCommands() {
  CommandList& c = *commands_;
  auto hasCategories = [this] { return !catalogue_.Empty(); };
  auto sortable = [this] { return !catalogue_.Empty() && TreeInView(); };

  BuildCatalogueCommands();
  c.Add({"acAppExit", QStringLiteral("&Выход"), QStringLiteral("Выйти из программы"),
         {QKeySequence(Qt::ALT | Qt::Key_F4)}, [this] { close(); }, {}});

  c.Add({"acInterfaceStandard", QStringLiteral("&Стандартный"), QStringLiteral("Установить стандартный интерфейс"),
         {QKeySequence(Qt::CTRL | Qt::Key_F1)}, [this] { SetToolbarStyle(kStyleStandard); }, {}, true});
  c.Add({"acInterfaceEx", QStringLiteral("&Расширенный"), QStringLiteral("Установить расширенный интерфейс"),
         {QKeySequence(Qt::CTRL | Qt::Key_F2)}, [this] { SetToolbarStyle(kStyleEnhanced); }, {}, true});
  c.Add({"acInterfaceFlat", QStringLiteral("&Плоский"), QStringLiteral("Установить плоский интерфейс"),
         {QKeySequence(Qt::CTRL | Qt::Key_F3)}, [this] { SetToolbarStyle(kStyleFlat); }, {}, true});

  auto* restore = c.Add({"acRestoreToolbars", QStringLiteral("Первоначальный расклад"),
                         QStringLiteral("Восстановить первоначальный расклад панелей"), {},
                         [this] {
                           if (!s_.prompter.Confirm("Вы уверены, что хотите восстановить первоначальный "
                                                    "расклад панелей инструментов?",
                                                    63))
                             return;
                           if (auto layout = LoadToolbarLayout(s_.dirs.BaseFile("interface.bak"))) {
                             restoreState(layout->state);
                             SetToolbarStyle(layout->style);
                           }
                         },
                         [this] { return std::filesystem::exists(s_.dirs.BaseFile("interface.bak")); }});
  restore->setText(QStringLiteral("Первоначальный раск&лад"));
  c.Add({"acToolbarsSettings", QStringLiteral("&Настройка панелей..."),
         QStringLiteral("Настройка видимости и размещения панелей инструментов"), {},
         [this] { ShowToolbarsDialog(this); }, {}});
  c.Add({"acAppSettings", QStringLiteral("&Настройки приложения..."), QStringLiteral("Настройка работы приложения"),
         {QKeySequence(Qt::Key_F8)}, [] {}, {}});
  c.Add({"acFullScreen", QStringLiteral("&Полноэкранный режим"),
         QStringLiteral("Включить или отключить полноэкранный режим"), {QKeySequence(Qt::Key_F12)}, [] {}, {}});

  c.Add({"acTreeList", QStringLiteral("&Показать дерево статей"), QStringLiteral("Скрыть или отобразить дерево статей"),
         {QKeySequence(Qt::Key_F11)}, [this] { ShowTree(); },
         [this] { return nbMain->currentWidget() == pageSearch || pnLeft->width() < 18; }});
  auto expandAll = [this](bool expand) {
    commands_->Execute("acTreeList");  // only when it is enabled
    tlMain->SetAllExpanded(expand);
  };
  c.Add({"acExpand", QStringLiteral("&Развернуть весь список"), QStringLiteral("Полностью развернуть весь список статей"),
         {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Down)}, [expandAll] { expandAll(true); }, hasCategories});
  c.Add({"acCollapse", QStringLiteral("&Свернуть весь список"), QStringLiteral("Полностью свернуть весь список статей"),
         {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Up)}, [expandAll] { expandAll(false); }, hasCategories});
  c.Add({"acSortName", QStringLiteral("По &названию"), QStringLiteral("Сортировать по названию"), {},
         [this] { catalogue_.SetSortMark(ColTitle, SortMark::Ascending); }, sortable});
  c.Add({"acSortCount", QStringLiteral("По &количеству вложений"), QStringLiteral("Сортировать по количеству вложений"),
         {}, [this] { catalogue_.SetSortMark(ColCount, SortMark::Ascending); }, sortable});
  c.Add({"acSortOrder", QStringLiteral("&Изменить порядок"), QStringLiteral("Изменить порядок сортировки"), {},
         [this] {
           for (int column : {static_cast<int>(ColTitle), static_cast<int>(ColCount)}) {
             const SortMark mark = catalogue_.GetSortMark(column);
             if (mark == SortMark::None) continue;
             catalogue_.SetSortMark(column, mark == SortMark::Ascending ? SortMark::Descending : SortMark::Ascending);
             return;
           }
         },
         sortable});
}

}  // namespace lrv
