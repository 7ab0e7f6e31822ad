#pragma once
// A main window with the viewer installed over the imported sample archive,
// for the window tests of the viewer.
#include <QWebEngineView>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "../app/app_fixture.h"
#include "app/main_window.h"
#include "base/paths.h"
#include "editing/ui/catalogue_tree.h"
#include "platform/qt/qt_text.h"
#include "viewer/ui/browser_host.h"
#include "viewer/ui/viewer_commands.h"

namespace lrv::testing {

inline constexpr int kLoadTimeout = 20000;

struct ViewerWindow : SampleWindow {
  viewer::BrowserHost& host() { return *viewer::BrowserHostOf(*window); }
  const viewer::BrowserHistory& history() { return host().Viewer().History(); }

  // The articles whose files exist, in tree order.
  std::vector<CatalogueNode*> ArticlesWithFiles() {
    std::vector<CatalogueNode*> found;
    for (CatalogueNode* category : c().Roots())
      for (CatalogueNode* sub : category->Children())
        for (CatalogueNode* article : sub->Children())
          if (std::filesystem::is_regular_file(StoredNameToPath(f.services->dirs.baseDir, article->Value(ColFileName))))
            found.push_back(article);
    return found;
  }
  std::string AddressOf(const CatalogueNode* article) {
    return PathToAnsi(StoredNameToPath(f.services->dirs.baseDir, article->Value(ColFileName)));
  }
  // Enter in the tree on the article, as the user opens it.
  void OpenFromTree(CatalogueNode* article) {
    c().SelectOnly(article);
    c().SetFocused(article);
    w().tlMain->setFocus();
    QTest::keyClick(w().tlMain, Qt::Key_Return);
  }
  QString TitleFor(const CatalogueNode* article) {
    return QStringLiteral("Lorvane 6 Pro - ") + FromAnsi(article->Title());
  }
  // Waits for the deferred start on the blank page.
  bool WaitForBlankStart() {
    return QTest::qWaitFor([this] { return history().LastCompletedAddress() == "about:blank"; }, kLoadTimeout);
  }
};

}  // namespace lrv::testing
