// The subsystems whose commands join the main window.
#include "app/main_window.h"
#include "editing/ui/editing_commands.h"
#include "search/ui/search_commands.h"
#include "viewer/ui/viewer_commands.h"

namespace lrv {

std::vector<CommandInstaller>& CommandInstallers() {
  static std::vector<CommandInstaller> installers = {&InstallEditingCommands, &InstallSearchCommands, &InstallViewerCommands};
  return installers;
}

}  // namespace lrv
