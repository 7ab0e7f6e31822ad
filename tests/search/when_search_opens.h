#pragma once
// Runs `act` on the search window as soon as it shows modally, then closes
// it. Polls, because other work of the window (the browser loading its
// first page) may run pending timers before the command opens the window.
// When no search window appears within 5 s, any other modal window is
// closed and `act` never runs: the caller's checks then fail.
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtGlobal>
#include <functional>
#include <memory>

#include "search/ui/search_window.h"

namespace lrv::testing {

inline void WhenSearchOpens(std::function<void(TfmSearch&)> act) {
  auto* poll = new QTimer;
  auto tries = std::make_shared<int>(0);
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, tries, act] {
    auto* form = qobject_cast<TfmSearch*>(QApplication::activeModalWidget());
    if (form == nullptr && ++*tries < 500) return;
    poll->stop();
    poll->deleteLater();
    if (form == nullptr) {
      qWarning("the search window did not open");
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
      return;
    }
    act(*form);
    if (form->isVisible()) form->btCancel->click();
  });
  poll->start();
}

}  // namespace lrv::testing
