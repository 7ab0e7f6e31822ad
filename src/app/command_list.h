#pragma once
// The main window's commands: one table of named actions with caption, hint,
// shortcut, execute handler and enabling rule. Enabling rules run when a
// menu opens and on a short idle timer, as a desktop form library does.

#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QTimer>
#include <functional>

class QMenu;

namespace lrv {

struct CommandSpec {
  const char* name;  // "acTreeLoad"
  QString caption;   // "&Загрузить дерево..."
  QString hint;      // long text for the status bar
  QList<QKeySequence> shortcuts;
  std::function<void()> execute;
  std::function<bool()> enabled;  // empty: always enabled
  bool checkable = false;
};

class CommandList : public QObject {
  Q_OBJECT
 public:
  explicit CommandList(QWidget* owner);

  QAction* Add(const CommandSpec& command);
  // Adds an action made elsewhere (a box in a menu, such as the title box
  // "edCaption") under its object name, with an optional enabling rule.
  void Register(QAction* action, std::function<bool()> enabled = {});
  // A drop-down menu that toolbar buttons of the command carry beside the
  // command itself (history menus). Menus show the command as a plain item.
  void SetDropDownMenu(QAction* action, QMenu* menu) { dropDowns_.insert(action, menu); }
  QMenu* DropDownMenu(QAction* action) const { return dropDowns_.value(action); }
  // The action of a command, or nullptr when no such command exists.
  QAction* Find(const QString& name) const { return actions_.value(name); }
  QAction* operator[](const char* name) const;
  const QList<QAction*>& All() const { return ordered_; }

  // Runs every enabling rule now.
  void UpdateAll();
  // Re-evaluates the commands of a menu each time it opens.
  void WatchMenu(QMenu* menu);
  // Runs a command the way its menu item would: only when enabled.
  bool Execute(const char* name);

  // The caption of the first command whose hint equals `hint` (trimmed, no
  // regard to case), without "&" and "."; used for short tooltips.
  QString CaptionForHint(const QString& hint) const;

 signals:
  void hintShown(const QString& hint);

 private:
  QWidget* owner_;
  QHash<QString, QAction*> actions_;
  QHash<QAction*, std::function<bool()>> enabling_;
  QHash<QAction*, QMenu*> dropDowns_;
  QList<QAction*> ordered_;
  QTimer idle_;
};

}  // namespace lrv
