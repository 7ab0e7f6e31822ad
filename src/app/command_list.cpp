#include "app/command_list.h"

#include <QMenu>
#include <QWidget>

namespace lrv {

CommandList::CommandList(QWidget* owner) : QObject(owner), owner_(owner) {
  idle_.setInterval(250);
  connect(&idle_, &QTimer::timeout, this, &CommandList::UpdateAll);
  idle_.start();
}

QAction* CommandList::Add(const CommandSpec& spec) {
  auto* action = new QAction(spec.caption, owner_);
  action->setObjectName(QString::fromLatin1(spec.name));
  action->setStatusTip(spec.hint);
  action->setToolTip(QString(spec.caption).remove(QLatin1Char('&')).remove(QLatin1Char('.')));
  action->setShortcuts(spec.shortcuts);
  action->setShortcutContext(Qt::WindowShortcut);
  action->setCheckable(spec.checkable);
  if (spec.execute) {
    auto run = spec.execute;
    connect(action, &QAction::triggered, this, [run] { run(); });
  }
  connect(action, &QAction::hovered, this, [this, action] { emit hintShown(action->statusTip()); });
  owner_->addAction(action);
  actions_.insert(action->objectName(), action);
  if (spec.enabled) enabling_.insert(action, spec.enabled);
  ordered_.append(action);
  return action;
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
