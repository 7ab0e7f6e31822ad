#pragma once
// What the main window needs of the outside world: the folders and the
// platform services. The program passes the real ones; tests pass fakes.

#include "base/paths.h"

namespace lrv {

class Prompter;
class Disk;
class Registry;
class Shell;
class SystemInfo;
class Clock;
class HttpClient;
class HelpViewer;

struct AppServices {
  Dirs dirs;
  Prompter& prompter;
  Disk& disk;
  Registry& registry;
  Shell& shell;
  SystemInfo& systemInfo;
  Clock& clock;
  HttpClient& http;
  HelpViewer& help;
};

}  // namespace lrv
