#pragma once
// A main window on fake platform services and a temporary archive folder.
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "app/app_services.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_disk.h"
#include "platform/fake/fake_help_viewer.h"
#include "platform/fake/fake_http_client.h"
#include "platform/fake/fake_prompter.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_system_info.h"

namespace lrv::testing {

struct AppFixture {
  QTemporaryDir temp;
  FakePrompter prompter;
  FakeDisk disk;
  FakeRegistry registry;
  FakeShell shell;
  FakeSystemInfo systemInfo;
  FakeClock clock;
  FakeHttpClient http;
  FakeHelpViewer help;
  std::unique_ptr<AppServices> services;

  AppFixture() {
    clock.now.date = {2026, 12, 11};
    services.reset(new AppServices{Dirs::ForBaseDir(Base()), prompter, disk, registry, shell, systemInfo, clock,
                                   http, help});
  }
  std::filesystem::path Base() const { return std::filesystem::path(temp.path().toStdString()) / "base"; }
  // The bundled sample archive as a fresh installation.
  void CopySampleArchive() {
    std::filesystem::copy(std::filesystem::path(LRV_SOURCE_DIR) / "sample" / "base", Base(),
                          std::filesystem::copy_options::recursive);
  }
  // The sample archive after its first run, which imports "menu.list",
  // saves "tree.info" and closes.
  void ImportSampleArchive();
};

}  // namespace lrv::testing

#include "app/main_window.h"

inline void lrv::testing::AppFixture::ImportSampleArchive() {
  CopySampleArchive();
  TfmLrvMain importing(*services, {});
  importing.close();
}

namespace lrv::testing {

// The main window over the imported sample archive, shown, with the
// messages of its start cleared. Every subsystem's commands are installed.
struct SampleWindow {
  AppFixture f;
  std::unique_ptr<TfmLrvMain> window;

  SampleWindow() {
    f.ImportSampleArchive();
    window = std::make_unique<TfmLrvMain>(*f.services, QStringList{});
    window->show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
    f.prompter.Clear();
  }
  TfmLrvMain& w() { return *window; }
  Catalogue& c() { return window->catalogue(); }
};

}  // namespace lrv::testing
