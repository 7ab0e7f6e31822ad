// Renaming a node: F2 on the tree (the input box) and the title box
// edCaption that the edit menu and the tree's context menu hold.
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWidgetAction>

#include "app/command_list.h"
#include "app/main_window.h"
#include "editing/rename.h"
#include "editing/ui/dialog_support.h"
#include "editing/ui/editing_commands.h"
#include "platform/qt/qt_text.h"

namespace lrv {
namespace {

// edCaption: one action, a box in every menu that holds it. Each menu puts
// the selected node's title into its box as it opens
// (miArticlesAndCatsPopup); Enter renames.
class TitleBoxAction : public QWidgetAction {
 public:
  explicit TitleBoxAction(TfmLrvMain& window) : QWidgetAction(&window), window_(window) {
    setObjectName(QStringLiteral("edCaption"));
    setText(QStringLiteral("&Название"));
    setStatusTip(QStringLiteral("Название"));
    setVisible(false);
  }

 protected:
  QWidget* createWidget(QWidget* parent) override {
    auto* box = new QWidget(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(4, 1, 4, 1);
    auto* edit = new QLineEdit(box);
    edit->setObjectName(QStringLiteral("edCaption"));
    edit->setToolTip(statusTip());
    edit->setMinimumWidth(180);
    auto* label = new QLabel(text(), box);
    label->setBuddy(edit);
    layout->addWidget(label);
    layout->addWidget(edit, 1);
    if (auto* menu = qobject_cast<QMenu*>(parent)) {
      connect(menu, &QMenu::aboutToShow, edit, [this, edit] { Prepare(edit); });
      connect(edit, &QLineEdit::returnPressed, edit, [this, edit, menu] { EnterPressed(edit, menu); });
    }
    return box;
  }

 private:
  // Steps 1 and 2 of opening the menu: the box shows only for one node.
  void Prepare(QLineEdit* edit) {
    edit->clear();
    setVisible(false);
    Catalogue& catalogue = window_.catalogue();
    if (catalogue.Empty() || !window_.TreeInView() || catalogue.SelectedCount() != 1) return;
    edit->setText(FromAnsi(catalogue.SelectedNode(0)->Title()));
    setVisible(true);
  }

  void EnterPressed(QLineEdit* edit, QMenu* menu) {
    std::string text = ToUtf8(edit->text());
    RenameOutcome outcome = RenameOutcome::NotApplicable;
    RunReportingErrors(window_.services().prompter,
                       [&] { outcome = RenameByTitleBox(window_.catalogue(), window_.journal(), text); });
    edit->setText(FromUtf8(text));
    if (outcome != RenameOutcome::Renamed) return;
    // Done: the menu and the menus it opened from close.
    for (QWidget* w = menu; qobject_cast<QMenu*>(w) != nullptr; w = w->parentWidget()) w->close();
  }

  TfmLrvMain& window_;
};

}  // namespace

void InstallTitleCommands(TfmLrvMain& window) {
  window.commands().Register(new TitleBoxAction(window));
  TfmLrvMain* w = &window;
  window.RenameSelectedNode = [w] {
    RunReportingErrors(w->services().prompter,
                       [&] { RenameByInputBox(w->catalogue(), w->journal(), w->services().prompter); });
  };
}

}  // namespace lrv
