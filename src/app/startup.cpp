#include "app/startup.h"

#include <QApplication>

#include "base/files.h"
#include "catalogue/file_types.h"
#include "catalogue/ui/restore_tree_window.h"
#include "platform/prompter.h"

namespace lrv {

void RegisterTreeFileTypesAtStartup(AppServices& services) {
  RegisterTreeFileTypes(services.dirs, services.shell, ExecutablePath());
}

StartupLoadResult LoadCatalogueAtStartup(AppServices& services, Catalogue& catalogue, UndoJournal& journal,
                                         std::string& currentTreeFileName, bool wasRunning, QWidget* owner) {
  RestoreWindowChooser chooser(services.help, owner);
  // The outline import keeps the splash and the window painted.
  const StartupPlatform platform{services.disk, services.clock, services.prompter, chooser,
                                 [] { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }};
  try {
    return LoadCatalogueAtStartup(services.dirs, platform, wasRunning, currentTreeFileName, catalogue, journal);
  } catch (const IoError& e) {
    services.prompter.Error(e.what(), 0, MessageButtons::Ok);
    StartupLoadResult loaded;
    return loaded;
  }
}

}  // namespace lrv
