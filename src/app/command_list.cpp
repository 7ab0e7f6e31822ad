#include "app/command_list.h"

#include <QMenu>
#include <QWidget>

namespace lrv {

CommandList::CommandList(QWidget* owner) : QObject(owner), owner_(owner) {
  idle_.setInterval(250);
  connect(&idle_, &QTimer::timeout, this, &CommandList::UpdateAll);
  idle_.start();
}

QAction* CommandList::Add(const CommandSpec& command) {
  auto* action = new QAction(command.caption, owner_);
  action->setObjectName(QString::fromLatin1(command.name));
  action->setStatusTip(command.hint);
  action->setToolTip(QString(command.caption).remove(QLatin1Char('&')).remove(QLatin1Char('.')));
  action->setShortcuts(command.shortcuts);
  action->setShortcutContext(Qt::WindowShortcut);
  action->setCheckable(command.checkable);
  if (command.execute) {
    auto run = command.execute;
    connect(action, &QAction::triggered, this, [run] { run(); });
  }
  connect(action, &QAction::hovered, this, [this, action] { emit hintShown(action->statusTip()); });
  owner_->addAction(action);
  actions_.insert(action->objectName(), action);
  if (command.enabled) enabling_.insert(action, command.enabled);
  ordered_.append(action);
  return action;
}

void CommandList::Register(QAction* action, std::function<bool()> enabled) {
  actions_.insert(action->objectName(), action);
  if (enabled) enabling_.insert(action, std::move(enabled));
  ordered_.append(action);
}

QAction* CommandList::operator[](const char* name) const { return actions_.value(QString::fromLatin1(name)); }

void CommandList::UpdateAll() {
  for (auto it = enabling_.cbegin(); it != enabling_.cend(); ++it) {
    const bool on = it.value()();
    if (it.key()->isEnabled() != on) it.key()->setEnabled(on);
  }
}

void CommandList::WatchMenu(QMenu* menu) { connect(menu, &QMenu::aboutToShow, this, &CommandList::UpdateAll); }

bool CommandList::Execute(const char* name) {
  QAction* action = (*this)[name];
  if (!action) return false;
  if (auto rule = enabling_.value(action)) action->setEnabled(rule());
  if (!action->isEnabled()) return false;
  action->trigger();
  return true;
}

QString CommandList::CaptionForHint(const QString& hint) const {
  const QString wanted = hint.trimmed().toLower();
  for (QAction* action : ordered_) {
    const QString own = action->statusTip().trimmed().toLower();
    if (own.isEmpty() || own != wanted) continue;
    return action->text().remove(QLatin1Char('&')).remove(QLatin1Char('.'));
  }
  return hint;
}

}  // namespace lrv
