// Program entry: the single-instance rule, the splash while the main window
// is created, the message loop, and the relaunch after an outline import.
#include <QApplication>
#include <QDir>

#include "app/app_services.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "platform/ini_registry.h"
#include "platform/posix_system_info.h"
#include "platform/qt/qt_help_viewer.h"
#include "platform/qt/qt_http_client.h"
#include "platform/qt/qt_prompter.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_single_instance.h"
#include "platform/system_clock.h"
#include "platform/system_disk.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lorvane 6 Pro"));
  QApplication::setApplicationDisplayName(QStringLiteral("Lorvane 6 Pro"));

  lrv::QtHelpViewer help;
  lrv::TfmLrvMain* mainWindow = nullptr;
  lrv::QtPrompter prompter([&mainWindow]() -> QWidget* { return mainWindow; }, help);

  lrv::QtSingleInstance instance;
  if (instance.AnotherIsRunning() || !instance.Claim([&mainWindow] {
        if (!mainWindow) return;
        mainWindow->showNormal();
        mainWindow->raise();
        mainWindow->activateWindow();
      })) {
    prompter.Inform("Экземпляр этой программы уже запущен!", 21);
    instance.ActivateOther();
    return 0;
  }

  lrv::SystemDisk disk;
  lrv::IniRegistry registry;
  lrv::QtShell shell;
  lrv::PosixSystemInfo systemInfo;
  lrv::SystemClock clock;
  lrv::QtHttpClient http;
  lrv::AppServices services{lrv::Dirs::ForThisProgram(), prompter, disk, registry, shell, systemInfo, clock, http, help};

  auto* splash = new lrv::TfmSplash(systemInfo, shell);
  splash->ShowNow();

  QApplication::setOverrideCursor(Qt::WaitCursor);
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  auto window = std::make_unique<lrv::TfmLrvMain>(services, arguments);
  mainWindow = window.get();
  QApplication::restoreOverrideCursor();

  splash->SetClosable(true);
  splash->close();
  delete splash;

  int code = 0;
  if (!window->EndRequested()) {
    window->show();
    code = QApplication::exec();
  }
  const bool relaunch = window->RelaunchRequested();
  mainWindow = nullptr;
  window.reset();
  // Give the name up before the new instance asks for it.
  instance.Release();
  if (relaunch) shell.StartProgram(lrv::ExecutablePath(), {});
  return code;
}
