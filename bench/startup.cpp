// Start-up of the main window: from entering main() to the first show, on
// the sample archive and on a synthetic archive of 100 000 articles,
// printed beside the LoadTree time of the same tree file measured in the
// same run; and "expand all" on the large catalogue.
//
//   bench_startup SOURCE_DIR [ARTICLES]
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/app_services.h"
#include "app/main_window.h"
#include "catalogue/tree_file.h"
#include "editing/ui/catalogue_tree.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_help_viewer.h"
#include "platform/fake/fake_http_client.h"
#include "platform/fake/fake_prompter.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_system_info.h"
#include "platform/system_disk.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Run {
  double toFirstShow = 0;
  double loadTree = 0;
  double expandAll = 0;
  int articles = 0;
};

Run Measure(const fs::path& base) {
  Run run;
  {
    lrv::Catalogue probe;
    const auto t0 = Clock::now();
    if (!lrv::LoadTree(probe, base / "tree.info")) std::fprintf(stderr, "cannot load %s\n", base.c_str());
    run.loadTree = Ms(Clock::now() - t0);
  }
  lrv::FakePrompter prompter;
  lrv::SystemDisk disk;
  lrv::FakeRegistry registry;
  lrv::FakeShell shell;
  lrv::FakeSystemInfo info;
  lrv::FakeClock clock;
  clock.now.date = {2026, 12, 11};
  lrv::FakeHttpClient http;
  lrv::FakeHelpViewer help;
  lrv::AppServices services{lrv::Dirs::ForBaseDir(base), prompter, disk, registry, shell, info, clock, http, help};

  const auto start = Clock::now();
  lrv::TfmLrvMain window(services, {});
  bool shown = false;
  QObject::connect(&window, &lrv::TfmLrvMain::firstShown, [&] { shown = true; });
  window.show();
  while (!shown) QApplication::processEvents();
  QApplication::processEvents();
  run.toFirstShow = Ms(Clock::now() - start);

  const auto e0 = Clock::now();
  window.tlMain->SetAllExpanded(true);
  QApplication::processEvents();
  run.expandAll = Ms(Clock::now() - e0);
  run.articles = window.pnArticlesCount->text().section(' ', -1).toInt();
  window.close();
  return run;
}

void Print(const char* name, const Run& r) {
  std::printf("%-22s %8d articles  first show %9.1f ms  LoadTree %8.1f ms  window adds %9.1f ms  expand all %8.1f ms\n",
              name, r.articles, r.toFirstShow, r.loadTree, r.toFirstShow - r.loadTree, r.expandAll);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_startup SOURCE_DIR [ARTICLES]\n");
    return 2;
  }
  const fs::path source = argv[1];
  const int articles = argc > 2 ? std::atoi(argv[2]) : 100000;
  QApplication app(argc, argv);
  QTemporaryDir temp;
  const fs::path root = temp.path().toStdString();

  // The sample, imported once as a first start would.
  fs::copy(source / "sample" / "base", root / "sample", fs::copy_options::recursive);
  {
    lrv::FakePrompter p;
    lrv::SystemDisk d;
    lrv::FakeRegistry r;
    lrv::FakeShell s;
    lrv::FakeSystemInfo i;
    lrv::FakeClock c;
    lrv::FakeHttpClient h;
    lrv::FakeHelpViewer v;
    lrv::AppServices services{lrv::Dirs::ForBaseDir(root / "sample"), p, d, r, s, i, c, h, v};
    lrv::TfmLrvMain importing(services, {});
    importing.close();
  }
  Print("sample archive", Measure(root / "sample"));

  const std::string gen = "python3 '" + (source / "scripts" / "gen_archive").string() + "' '" +
                          (root / "large").string() + "' --no-pages --articles " + std::to_string(articles) +
                          " --seed 1 >/dev/null";
  if (std::system(gen.c_str()) != 0) {
    std::fprintf(stderr, "gen_archive failed\n");
    return 1;
  }
  Print("synthetic archive", Measure(root / "large"));
  return 0;
}
