// Creation, first show and shutdown of the main window, in the order the
// program has always run them.
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QTimer>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeView>

#include "app/command_list.h"
#include "app/main_window.h"
#include "app/progress_window.h"
#include "app/settings.h"
#include "app/startup.h"
#include "base/color.h"
#include "base/files.h"
#include "base/text.h"
#include "editing/ui/catalogue_tree.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/folder_tree.h"
#include "catalogue/tree_file.h"
#include "platform/disk.h"
#include "platform/prompter.h"
#include "platform/qt/qt_text.h"
#include "platform/registry.h"

namespace lrv {
namespace {

// The deferred request of the first show: navigate to the blank page.
constexpr QEvent::Type kBlankPageEvent = static_cast<QEvent::Type>(0x2400);

constexpr const char* kTreeExtensions[] = {".first", ".last", ".day", ".auto", ".info", ".tree"};

// The platform's generic error box for an input/output error.
void ShowIoError(Prompter& prompter, const std::exception& e) {
  prompter.Error(e.what(), 0, MessageButtons::Ok);
}

}  // namespace

void TfmLrvMain::FormCreate(const QStringList& arguments) {
  nbMain->setCurrentWidget(pageMenu);
  currentTreeFileName_ = "tree.info";
  setAcceptDrops(true);
  journal_.Reset();

  RegisterTreeFileTypesAtStartup(s_);

  const bool fixed = s_.disk.IsOnFixedDisk();
  bool foldersOk = true;
  if (fixed) {
    try {
      EnsureFolder(s_.dirs.baseDir);
      EnsureFolder(s_.dirs.NotesDir());
      EnsureFolder(s_.dirs.TempDir());
    } catch (const IoError& e) {
      ShowIoError(s_.prompter, e);
      foldersOk = false;
    }
  }
  if (foldersOk) {
    // The running marker tells a clean exit from a crash.
    const auto marker = s_.dirs.BaseFile("tmp.tmp");
    wasRunning_ = std::filesystem::exists(marker);
    if (!wasRunning_ && s_.disk.IsOnFixedDisk()) {
      try {
        EnsureFolder(s_.dirs.baseDir);
        WriteFileAtomic(marker, "");
      } catch (const IoError& e) {
        ShowIoError(s_.prompter, e);
      }
    }
    ApplyCommandLine(arguments);
    const StartupLoadResult loaded =
        LoadCatalogueAtStartup(s_, catalogue_, journal_, currentTreeFileName_, wasRunning_, this);
    outlineImported_ = loaded.OutlineImported();
    outlineImportProblems_ = loaded.outlineImportProblems;
    endRequested_ = loaded.EndProgram();
  }
  UpdateStatusCounts();

  if (auto layout = LoadToolbarLayout(s_.dirs.BaseFile("interface.ini"))) {
    restoreState(layout->state);
    SetToolbarStyle(layout->style);
    noSavedLayout_ = false;
  } else {
    noSavedLayout_ = true;
  }
  if (placement_->Load(s_.dirs.BaseFile("form.ini"))) {
    placement_->RestoreGeometry(*this);
    if (auto w = placement_->Property("pnLeft.Width")) {
      bool ok = false;
      const int width = w->toInt(&ok);
      if (ok) Splitter->setSizes({width, std::max(1, this->width() - width)});
    }
    // The sort marks of the two visible columns.
    SortMarks marks = catalogue_.GetSortMarks();
    bool anyStored = false;
    for (auto [column, name] : {std::pair{static_cast<int>(ColTitle), "ColTitle.Sorted"},
                                std::pair{static_cast<int>(ColCount), "ColCount.Sorted"}}) {
      if (auto v = placement_->Property(name)) {
        marks[column] = static_cast<SortMark>(std::clamp(v->toInt(), 0, 2));
        anyStored = true;
      }
    }
    if (anyStored) catalogue_.SetSortMarks(marks);
    for (const StoredProperty& property : storedProperties_)
      if (auto v = placement_->Property(property.name)) property.restore(*v);
  }

  // Selected rows: window background, highlight text lightened by 10 %.
  const QColor highlight = palette().color(QPalette::Highlight);
  const Rgb light = LightenColor({static_cast<std::uint8_t>(highlight.red()), static_cast<std::uint8_t>(highlight.green()),
                                  static_cast<std::uint8_t>(highlight.blue())},
                                 10);
  for (QTreeView* list : {static_cast<QTreeView*>(tlMain), tlSearch}) {
    QPalette p = list->palette();
    p.setColor(QPalette::Highlight, p.color(QPalette::Base));
    p.setColor(QPalette::HighlightedText, QColor(light.r, light.g, light.b));
    list->setPalette(p);
  }

  connect(commands_, &CommandList::hintShown, this, [this](const QString& hint) {
    pnStatusLarge->setText(hint);
    pnStatusLargeImage->clear();
  });

  if (foldersOk) WarnAboutFreeSpace();
}

void TfmLrvMain::ApplyCommandLine(const QStringList& arguments) {
  if (arguments.isEmpty()) return;
  const QString argument = arguments.first().trimmed();
  if (argument.isEmpty()) return;
  bool treeFile = false;
  for (const char* ext : kTreeExtensions) treeFile = treeFile || argument.contains(QLatin1String(ext));
  if (!treeFile) return;
  if (!s_.prompter.Confirm("Вы действительно хотите загрузить список статей из файла\n\r\"" +
                               argument.toStdString() + "\"?",
                           25))
    return;
  // Only the name counts: the file is looked for in BaseDir.
  currentTreeFileName_ = ToPath(argument).filename().string();
}

void TfmLrvMain::WarnAboutFreeSpace() {
  if (!s_.disk.IsOnFixedDisk()) return;
  const auto free = s_.disk.FreeDiskMegabytes(ExecutablePath(), true);
  if (free < 0) return;  // the disk could not be asked
  if (free < 2)
    s_.prompter.Warn("На жёстком диске слишком мало свободного места, программа может работать некорректно!", 28);
  else if (free < 5)
    s_.prompter.Inform("Обнаружено мало свободного места, для нормальной работы программы желательно освободить "
                       "больше дискового пространства!",
                       29);
}

void TfmLrvMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (firstShowDone_) return;
  firstShowDone_ = true;
  FormShow();
}

void TfmLrvMain::FormShow() {
  if (outlineImported_) {
    // A start-up that imported the outline list ends at once; the shutdown
    // saves the new catalogue and the program starts again.
    QTimer::singleShot(0, this, [this] { close(); });
    return;
  }
  const auto initialLayout = s_.dirs.BaseFile("interface.bak");
  if (s_.disk.IsOnFixedDisk() && !std::filesystem::exists(initialLayout)) {
    try {
      SaveToolbarLayout(*this, toolbarStyle_, initialLayout);
    } catch (const IoError& e) {
      ShowIoError(s_.prompter, e);
    }
  }
  QApplication::postEvent(this, new QEvent(kBlankPageEvent));
  if (noSavedLayout_) toolbarStyle_ = kStyleEnhanced;  // flat only on Windows XP
  SetToolbarStyle(toolbarStyle_);
  AdjustProgressWidth();

  const RegistrySettings saved = ReadRegistrySettings(s_.registry);
  if (saved.menuStyle) SetToolbarStyle(*saved.menuStyle);
  if (saved.curPage && std::filesystem::exists(ToPath(*saved.curPage))) cbURLs->setEditText(*saved.curPage);
  emit firstShown();
}

bool TfmLrvMain::event(QEvent* e) {
  if (e->type() == kBlankPageEvent) {
    if (cbURLs->currentText().isEmpty()) cbURLs->setEditText(QStringLiteral("about:blank"));
    if (NavigateBlankPage) NavigateBlankPage();
    return true;
  }
  return QMainWindow::event(e);
}

void TfmLrvMain::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    closing_ = true;
    FormClose();
  }
  event->accept();
}

void TfmLrvMain::FormClose() {
  TfmCloseWait wait(this);
  wait.ShowNow();
  if (s_.disk.IsOnFixedDisk()) {
    SaveStateAtShutdown();
  } else {
    s_.prompter.Warn("Программа была запущена не с жёсткого диска! Сохранение параметров невозможно!", 36);
  }
  relaunchRequested_ = outlineImported_ && !outlineImportProblems_;
  wait.SetClosable(true);
  wait.close();
}

void TfmLrvMain::SaveStateAtShutdown() {
  // Every step runs even when an earlier one failed; the first failure is
  // reported once. The running marker stays when the catalogue could not
  // be saved, so the next start recovers from "tree.auto".
  std::string firstError;
  auto step = [&](auto&& work) {
    try {
      work();
      return true;
    } catch (const std::exception& e) {
      if (firstError.empty()) firstError = e.what();
      return false;
    }
  };
  const auto treeFile = s_.dirs.baseDir / ToPath(QString::fromStdString(currentTreeFileName_));
  step([&] {
    EnsureFolder(treeFile.parent_path());
    MakeWritable(treeFile);
  });
  step([&] { WriteRegistrySettings(s_.registry, cbURLs->currentText(), toolbarStyle_); });
  bool catalogueSaved = true;
  if (!outlineImportProblems_) catalogueSaved = step([&] { SaveTree(catalogue_, treeFile); });
  step([&] { SaveToolbarLayout(*this, toolbarStyle_, s_.dirs.BaseFile("interface.ini")); });
  step([&] {
    placement_->StoreGeometry(*this);
    placement_->SetProperty("pnLeft.Width", QString::number(pnLeft->width()));
    placement_->SetProperty("ColTitle.Sorted", QString::number(static_cast<int>(catalogue_.GetSortMark(ColTitle))));
    placement_->SetProperty("ColCount.Sorted", QString::number(static_cast<int>(catalogue_.GetSortMark(ColCount))));
    for (const StoredProperty& property : storedProperties_) placement_->SetProperty(property.name, property.save());
    placement_->Save(s_.dirs.BaseFile("form.ini"));
  });
  if (catalogueSaved) {
    step([&] {
      const auto marker = s_.dirs.BaseFile("tmp.tmp");
      if (std::filesystem::exists(marker)) {
        MakeWritable(marker);
        std::filesystem::remove(marker);
      }
    });
  }
  step([&] {
    if (std::filesystem::exists(s_.dirs.TempDir())) DeleteFolderTree(s_.dirs.TempDir(), s_.prompter);
  });
  if (!firstError.empty()) {
    s_.prompter.Error("Не все данные удалось сохранить при завершении работы:\n\r" + firstError +
                          (catalogueSaved ? std::string() : "\n\rСписок статей будет восстановлен при следующем запуске."),
                      0, MessageButtons::Ok);
  }
}

}  // namespace lrv
