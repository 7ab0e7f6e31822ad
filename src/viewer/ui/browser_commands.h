#pragma once
// The browser commands beyond navigation: print, save the page, its source,
// the browser options, the find bar, the article font size, and the
// commands that the menus name but that do nothing here.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "viewer/ui/browser_options_dialog.h"

class QPrinter;

namespace lrv {
class TfmLrvMain;
}

namespace lrv::viewer {

class BrowserHost;
class FindBar;

class BrowserCommands : public QObject {
  Q_OBJECT
 public:
  BrowserCommands(TfmLrvMain& window, BrowserHost& host);
  ~BrowserCommands() override;

  // The dialogs the commands show; tests put stand-ins here. An empty
  // answer means the user cancelled.
  std::function<std::unique_ptr<QPrinter>()> ChoosePrinter;
  std::function<QString(const QString& suggested)> ChooseSaveFile;
  std::function<std::optional<BrowserOptions>(const BrowserOptions& current)> ChooseOptions;

  void Print();     // acPrint
  void SaveHtml();  // acSaveHTML
  void Source();    // acSource
  void Options();   // acBrowserOptions
  void FindInPage();  // acSearchInArticlesText
  void StepFontSize(bool up);  // acFontSizeUp / acFontSizeDown
  FindBar* Finder() const { return findBar_; }

 signals:
  // A print or a save has ended (tests wait for it).
  void printDone(bool ok);
  void saveDone(bool ok);

 private:
  bool HasDocument() const;
  void WatchSaveRequests();

  TfmLrvMain& window_;
  BrowserHost& host_;
  FindBar* findBar_;
  std::unique_ptr<QPrinter> printer_;  // alive until the engine has printed
  QString savingTo_;
};

// Adds the commands above to the window's command list.
void InstallBrowserCommands(TfmLrvMain& window, BrowserHost& host);
BrowserCommands* BrowserCommandsOf(TfmLrvMain& window);

}  // namespace lrv::viewer
