#pragma once
// The main window's start-up steps that reach into the catalogue store:
// the file types and the choice of which catalogue copy to load.

#include <string>

#include "app/app_services.h"
#include "catalogue/catalogue.h"
#include "catalogue/journal.h"
#include "catalogue/startup_load.h"

class QWidget;

namespace lrv {

// Registers the tree file types; a failure never stops start-up.
void RegisterTreeFileTypesAtStartup(AppServices& services);

// Loads the catalogue as start-up does, with the restore window when the
// tree file is damaged and backups exist. Errors writing the backups are
// shown in the error box; the catalogue stays loaded.
StartupLoadResult LoadCatalogueAtStartup(AppServices& services, Catalogue& catalogue, UndoJournal& journal,
                                         std::string& currentTreeFileName, bool wasRunning, QWidget* owner);

}  // namespace lrv
