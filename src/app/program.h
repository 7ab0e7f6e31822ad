#pragma once
// Program entry: the single-instance rule, the splash while the main window
// is created, the message loop, and the relaunch after an outline import
// (issued only once this instance has given up its name).

#include <QStringList>

#include "app/app_services.h"

namespace lrv {

class SingleInstance;

// Runs the program with the given services; returns the exit code. The
// QApplication must exist.
int RunProgram(AppServices& services, SingleInstance& instance, const QStringList& arguments);

}  // namespace lrv
