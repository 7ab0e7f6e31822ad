#include "app/program.h"

#include <QApplication>
#include <memory>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "platform/prompter.h"
#include "platform/shell.h"
#include "platform/single_instance.h"

namespace lrv {

int RunProgram(AppServices& services, SingleInstance& instance, const QStringList& arguments) {
  std::unique_ptr<TfmLrvMain> window;
  const bool claimed = !instance.AnotherIsRunning() && instance.Claim([&window] {
    if (!window) return;
    window->showNormal();
    window->raise();
    window->activateWindow();
  });
  if (!claimed) {
    services.prompter.Inform("Экземпляр этой программы уже запущен!", 21);
    instance.ActivateOther();
    return 0;
  }

  auto splash = std::make_unique<TfmSplash>(services.systemInfo, services.shell);
  splash->ShowNow();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  window = std::make_unique<TfmLrvMain>(services, arguments);
  QApplication::restoreOverrideCursor();
  splash->SetClosable(true);
  splash->close();
  splash.reset();

  int code = 0;
  // The restore window may have ended the program: no shutdown then.
  if (!window->EndRequested()) {
    window->show();
    code = QApplication::exec();
  }
  const bool relaunch = window->RelaunchRequested();
  window.reset();
  instance.Release();
  if (relaunch) services.shell.StartProgram(ExecutablePath(), {});
  return code;
}

}  // namespace lrv
