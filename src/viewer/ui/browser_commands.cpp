#include "viewer/ui/browser_commands.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "app/command_list.h"
#include "app/main_window.h"
#include "editing/ui/dialog_support.h"
#include "platform/prompter.h"
#include "viewer/font_size.h"
#include "viewer/ui/browser_host.h"
#include "viewer/ui/find_bar.h"
#include "viewer/ui/web_page.h"

namespace lrv::viewer {
namespace {

constexpr int kSaveFailedHelpContext = 42;

// The page source in a window of its own, as the engine renders it.
void ShowSourceWindow(QWidget* owner, const QUrl& url, const QString& title) {
  auto* window = new QWidget(owner, Qt::Window);
  window->setObjectName(QStringLiteral("TfmSource"));
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(QStringLiteral("Исходный код - ") + (title.isEmpty() ? url.toString() : title));
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* view = new QWebEngineView(window);
  view->setObjectName(QStringLiteral("WebSource"));
  layout->addWidget(view);
  view->load(QUrl(QStringLiteral("view-source:") + url.toString(QUrl::FullyEncoded)));
  window->resize(800, 600);
  window->show();
}

}  // namespace

BrowserCommands::BrowserCommands(TfmLrvMain& window, BrowserHost& host)
    : QObject(&host), window_(window), host_(host), findBar_(new FindBar(host.Browser())) {
  setObjectName(QStringLiteral("BrowserCommands"));
  ChoosePrinter = [this]() -> std::unique_ptr<QPrinter> {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), &window_);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer;
  };
  ChooseSaveFile = [this](const QString& suggested) {
    return QFileDialog::getSaveFileName(&window_, QStringLiteral("Сохранить HTML-страницу"), suggested,
                                        QStringLiteral("Веб-страница полностью (*.htm *.html)"));
  };
  ChooseOptions = [this](const BrowserOptions& current) -> std::optional<BrowserOptions> {
    TfmBrowserOptions dialog(current, &window_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Options();
  };
  // A page's own print request is the print command.
  connect(host.Browser(), &QWebEngineView::printRequested, this, &BrowserCommands::Print);
  connect(host.Browser(), &QWebEngineView::printFinished, this, [this](bool ok) {
    printer_.reset();
    emit printDone(ok);
  });
  WatchSaveRequests();
}

BrowserCommands::~BrowserCommands() = default;

bool BrowserCommands::HasDocument() const { return !host_.Browser()->url().isEmpty(); }

void BrowserCommands::Print() {
  // One print at a time: the engine keeps the printer until it is done.
  if (printer_ || !HasDocument()) return;
  printer_ = ChoosePrinter();
  if (printer_) host_.Browser()->print(printer_.get());
}

void BrowserCommands::SaveHtml() {
  if (!HasDocument()) return;
  const QUrl url = host_.Browser()->url();
  QString suggested = url.isLocalFile() ? QFileInfo(url.toLocalFile()).fileName() : host_.Browser()->title();
  if (suggested.isEmpty()) suggested = QStringLiteral("page.html");
  const QString target = ChooseSaveFile(suggested);
  if (target.isEmpty()) return;
  savingTo_ = target;
  host_.Page()->save(target, QWebEngineDownloadRequest::CompleteHtmlSaveFormat);
}

void BrowserCommands::WatchSaveRequests() {
  QWebEngineProfile* profile = host_.Page()->profile();
  connect(profile, &QWebEngineProfile::downloadRequested, this, [this](QWebEngineDownloadRequest* request) {
    if (!request->isSavePageDownload() || request->page() != host_.Page()) return;
    if (request->state() == QWebEngineDownloadRequest::DownloadRequested) request->accept();
    const QString target = QDir(request->downloadDirectory()).filePath(request->downloadFileName());
    auto finished = [this, request, target] {
      if (!request->isFinished()) return;
      // The engine may call a save complete that wrote nothing.
      const bool ok = request->state() == QWebEngineDownloadRequest::DownloadCompleted && QFileInfo(target).isFile();
      if (!ok) window_.services().prompter.Error("Не удалось сохранить HTML-страницу!", kSaveFailedHelpContext);
      emit saveDone(ok);
    };
    connect(request, &QWebEngineDownloadRequest::isFinishedChanged, this, finished);
    finished();
  });
}

void BrowserCommands::Source() {
  if (!HasDocument()) return;
  ShowSourceWindow(&window_, host_.Browser()->url(), host_.Browser()->title());
}

void BrowserCommands::Options() {
  QWebEngineSettings* settings = host_.Browser()->settings();
  const auto chosen = ChooseOptions(ReadBrowserOptions(window_.services().registry, *settings));
  if (!chosen) return;
  ApplyBrowserOptions(*settings, *chosen);
  WriteBrowserOptions(window_.services().registry, *chosen);
  host_.Refresh();
}

void BrowserCommands::FindInPage() {
  if (HasDocument()) findBar_->Open();
}

void BrowserCommands::StepFontSize(bool up) {
  bool written = false;
  RunReportingErrors(window_.services().prompter,
                     [&] { written = viewer::StepFontSize(window_.services().dirs, window_.services().disk, up); });
  if (written) host_.Refresh();
}

BrowserCommands* BrowserCommandsOf(TfmLrvMain& window) {
  return window.findChild<BrowserCommands*>(QStringLiteral("BrowserCommands"));
}

void InstallBrowserCommands(TfmLrvMain& window, BrowserHost& host) {
  auto* b = new BrowserCommands(window, host);
  ApplyBrowserOptions(*host.Browser()->settings(),
                      ReadBrowserOptions(window.services().registry, *host.Browser()->settings()));
  CommandList& c = window.commands();
  AppServices& s = window.services();
  auto fontSizeAllowed = [&s] { return FontSizeCanChange(s.dirs, s.disk); };

  c.Add({"acPrint", QStringLiteral("Пе&чать"), QStringLiteral("Печать"), {QKeySequence(Qt::CTRL | Qt::Key_P)},
         [b] { b->Print(); }, {}});
  c.Add({"acSaveHTML", QStringLiteral("&Сохранить HTML-страницу..."), QStringLiteral("Сохранить HTML-страницу"),
         {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S)}, [b] { b->SaveHtml(); }, {}});
  c.Add({"acSource", QStringLiteral("&Исходный код"), QStringLiteral("Исходный код"), {}, [b] { b->Source(); }, {}});
  c.Add({"acBrowserOptions", QStringLiteral("&Настройки браузера..."), QStringLiteral("Настройки браузера"),
         {QKeySequence(Qt::Key_F4)}, [b] { b->Options(); }, {}});
  c.Add({"acSearchInArticlesText", QStringLiteral("Искать по &тексту..."), QStringLiteral("Искать по содержимому статьи"),
         {QKeySequence(Qt::CTRL | Qt::Key_F)}, [b] { b->FindInPage(); }, {}});
  c.Add({"acFontSizeUp", QStringLiteral("У&величить"), QStringLiteral("Увеличить размер шрифта статей"),
         {QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Up)}, [b] { b->StepFontSize(true); }, fontSizeAllowed});
  c.Add({"acFontSizeDown", QStringLiteral("У&меньшить"), QStringLiteral("Уменьшить размер шрифта статей"),
         {QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Down)}, [b] { b->StepFontSize(false); }, fontSizeAllowed});

  // Named by the menus and the toolbar customisation, with no effect.
  struct NoOp {
    const char* name;
    const char* caption;
    QKeySequence key;
  };
  const NoOp noOps[] = {{"acSelectAll", "&Выделить всё", QKeySequence(Qt::CTRL | Qt::Key_A)},
                        {"acCopy", "&Копировать в буфер", QKeySequence(Qt::CTRL | Qt::Key_C)},
                        {"acSaveTXT", "&TXT документ", {}},
                        {"acSaveBMP", "&BMP картинку", {}},
                        {"acSaveJPEG", "&JPEG картинку", {}},
                        {"acAddLink", "&Добавить новую ссылку...", {}},
                        {"acLinks", "&Упорядочить ссылки...", {}}};
  for (const NoOp& n : noOps) {
    const QString caption = QString::fromUtf8(n.caption);
    QAction* action = c.Add({n.name, caption, QString(caption).remove(QLatin1Char('&')).remove(QStringLiteral("...")),
                             n.key.isEmpty() ? QList<QKeySequence>{} : QList<QKeySequence>{n.key}, {}, {}});
    // Ctrl+A and Ctrl+C belong to the focused control (the page, a list,
    // a box): the no-op commands only show the keys.
    action->setShortcutContext(Qt::WidgetShortcut);
  }
}

}  // namespace lrv::viewer
