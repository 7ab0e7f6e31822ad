#include "viewer/ui/viewer_commands.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "app/command_list.h"
#include "app/main_window.h"
#include "viewer/addresses.h"
#include "platform/qt/qt_text.h"
#include "viewer/ui/browser_commands.h"
#include "viewer/ui/browser_host.h"
#include "viewer/ui/result_opening.h"

namespace lrv {
namespace {

using viewer::BrowserHost;


void HistoryMenuFor(TfmLrvMain& window, BrowserHost* host, QAction* action, const char* name, bool back) {
  auto* menu = new QMenu(&window);
  menu->setObjectName(QString::fromLatin1(name));
  QObject::connect(menu, &QMenu::aboutToShow, host, [host, menu, back] { host->FillHistoryMenu(menu, back); });
  window.commands().SetDropDownMenu(action, menu);
}

}  // namespace

void InstallViewerCommands(TfmLrvMain& window) {
  if (viewer::BrowserHostOf(window) != nullptr) return;
  auto* host = new BrowserHost(window);
  CommandList& c = window.commands();
  const auto& history = host->Viewer().History();

  QAction* back = c.Add({"acBack", QStringLiteral("Перейти &назад"), QStringLiteral("Перейти назад"),
                         {QKeySequence(Qt::ALT | Qt::Key_Left)}, [host] { host->Back(); },
                         [&history] { return history.CanGoBack(); }});
  QAction* forward = c.Add({"acForward", QStringLiteral("Перейти &вперёд"), QStringLiteral("Перейти вперёд"),
                            {QKeySequence(Qt::ALT | Qt::Key_Right)}, [host] { host->Forward(); },
                            [&history] { return history.CanGoForward(); }});
  HistoryMenuFor(window, host, back, "pmHistoryBack", true);
  HistoryMenuFor(window, host, forward, "pmHistoryForward", false);
  c.Add({"acStop", QStringLiteral("О&становить загрузку"), QStringLiteral("Остановить загрузку"),
         {QKeySequence(Qt::Key_Escape)}, [host] { host->Stop(); }, {}});
  QAction* refresh = c.Add({"acRefresh", QStringLiteral("О&бновить страницу"), QStringLiteral("Обновить страницу"),
                            {QKeySequence(Qt::Key_F5)}, [host] { host->Refresh(); }, {}});
  // The navigation toolbar's shorter caption.
  refresh->setIconText(QStringLiteral("О&бновить"));
  c.Add({"acGoAddress", QStringLiteral("&Перейти по адресу"), QStringLiteral("Перейти по адресу"), {},
         [host] { host->NavigateAddressBox(); }, {}});
  c.Add({"acBlank", QStringLiteral("&Пустая страница"), QStringLiteral("Пустая страница"), {},
         [host] { host->GoToAddress(viewer::kAboutBlank); }, {}});

  window.OpenSelectedArticle = [host] { host->OpenSelectedArticle(); };
  viewer::InstallBrowserCommands(window, *host);
  // The address list survives restarts in "form.ini".
  window.AddStoredProperty({"cbURLs.Items",
                            [host] { return FromAnsi(viewer::EncodeAddressList(host->Viewer().History().AddressList())); },
                            [host](const QString& value) {
                              if (auto ansi = ToAnsi(value))
                                host->Viewer().History().RestoreAddressList(viewer::DecodeAddressList(*ansi));
                            }});
  viewer::InstallResultOpening(window, *host);
  // The first show's deferred start: the box's text, "about:blank" unless
  // the last page was restored into it.
  window.NavigateBlankPage = [host] {
    host->ConnectAddressBox();
    host->NavigateAddressBox();
  };
  InstallNoteCommands(window, *host);
}

}  // namespace lrv
