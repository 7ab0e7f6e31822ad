// Loading, saving and clearing the catalogue by hand, and files dropped on
// the window.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>

#include "app/command_list.h"
#include "app/main_window.h"
#include "catalogue/tree_commands.h"
#include "platform/disk.h"
#include "platform/prompter.h"
#include "platform/qt/qt_text.h"

namespace lrv {
namespace {

QString DialogFilter() {
  // "Описание|маска|Описание|маска" as the system's dialogs take it.
  const QStringList parts = QString::fromUtf8(kTreeDialogFilter.data(), kTreeDialogFilter.size()).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i];
  return filters.join(QStringLiteral(";;"));
}

}  // namespace

QString TfmLrvMain::AskTreeFileToOpen() {
  if (OpenTreeDialog) return OpenTreeDialog();
  const QString start = std::filesystem::is_directory(s_.dirs.baseDir) ? FromPath(s_.dirs.baseDir) : QString();
  QFileDialog dialog(this, QString(), start, DialogFilter());
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(QStringLiteral("tree"));
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString TfmLrvMain::AskTreeFileToSave() {
  if (SaveTreeDialog) return SaveTreeDialog();
  QFileDialog dialog(this, QString(), QString(), DialogFilter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("tree"));
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void TfmLrvMain::BuildCatalogueCommands() {
  CommandList& c = *commands_;
  c.Add({"acTreeLoad", QStringLiteral("&Загрузить дерево..."), QStringLiteral("Загрузить резервную копию дерева"),
         {QKeySequence(Qt::CTRL | Qt::Key_O)},
         [this] {
           const QString file = AskTreeFileToOpen();
           if (file.isEmpty()) return;
           RunReportingIoErrors([&] {
             TreeLoadCommand(catalogue_, journal_, ToPath(file), s_.dirs, s_.disk, s_.prompter);
           });
           UpdateStatusCounts();
         },
         [this] { return TreeLoadEnabled(TreeInView()); }});
  c.Add({"acTreeSave", QStringLiteral("Со&хранить дерево..."), QStringLiteral("Сохранить резервную копию дерева"),
         {QKeySequence(Qt::CTRL | Qt::Key_S)},
         [this] {
           if (!s_.disk.IsOnFixedDisk()) return;
           const QString file = AskTreeFileToSave();
           if (file.isEmpty()) return;
           RunReportingIoErrors([&] { SaveUserBackup(catalogue_, ToPath(file), s_.dirs, s_.disk, s_.prompter); });
         },
         [this] { return TreeSaveEnabled(TreeInView(), catalogue_); }});
  c.Add({"acTreeClear", QStringLiteral("О&чистить дерево"), QStringLiteral("Удалить все категории, подкатегории и статьи"),
         {},
         [this] {
           RunReportingIoErrors([&] { TreeClearCommand(catalogue_, journal_, s_.dirs, s_.prompter); });
           UpdateStatusCounts();
         },
         [this] { return TreeClearEnabled(TreeInView(), catalogue_); }});
}

void TfmLrvMain::RunReportingIoErrors(const std::function<void()>& work) {
  try {
    work();
  } catch (const std::exception& e) {
    // The platform's error box; the command stops there.
    s_.prompter.Error(e.what(), 0, MessageButtons::Ok);
  }
}

void TfmLrvMain::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfmLrvMain::dropEvent(QDropEvent* event) {
  std::vector<std::filesystem::path> files;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) files.push_back(ToPath(url.toLocalFile()));
  event->acceptProposedAction();
  DropFiles(files);
}

void TfmLrvMain::DropFiles(const std::vector<std::filesystem::path>& files) {
  DropDecision decision;
  RunReportingIoErrors([&] { decision = HandleDroppedFiles(files, catalogue_, s_.dirs, s_.disk, s_.prompter); });
  if (decision.action == DropAction::LoadTree) UpdateStatusCounts();
  // A page in BaseDir goes to the add-article dialog once it exists.
  if (decision.action == DropAction::AddArticle && AddArticleFromDrop) AddArticleFromDrop(decision.articleFile);
}

}  // namespace lrv
