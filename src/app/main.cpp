#include <QApplication>

#include "app/program.h"
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
  // Boxes belong to the active window, once there is one.
  lrv::QtPrompter prompter([]() -> QWidget* { return QApplication::activeWindow(); }, help);
  lrv::QtSingleInstance instance;
  lrv::SystemDisk disk;
  lrv::IniRegistry registry;
  lrv::QtShell shell;
  lrv::PosixSystemInfo systemInfo;
  lrv::SystemClock clock;
  lrv::QtHttpClient http;
  lrv::AppServices services{lrv::Dirs::ForThisProgram(), prompter, disk, registry, shell, systemInfo, clock, http, help};

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  return lrv::RunProgram(services, instance, arguments);
}
