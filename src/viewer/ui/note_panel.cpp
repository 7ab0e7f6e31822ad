#include "viewer/ui/note_panel.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>
#include <exception>

#include "app/command_list.h"
#include "app/main_window.h"
#include "platform/qt/qt_text.h"
#include "viewer/ui/browser_host.h"

namespace lrv::viewer {
namespace {

// "Описание|маска|..." as Qt's file dialogs take it: "Описание;;...".
QString FileDialogFilter() {
  const QStringList parts = FromUtf8(std::string(kNoteFileFilter)).split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i];
  return filters.join(QStringLiteral(";;"));
}

std::optional<std::filesystem::path> AskNoteFile(QWidget* parent) {
  QFileDialog dialog(parent, QString(), QString(), FileDialogFilter());
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(FromUtf8(std::string(kNoteFileExtension)));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToPath(dialog.selectedFiles().first());
}

// The first character of a line that has no Windows-1251 form (UTF-8).
std::string FirstUnsavable(const QString& line) {
  for (qsizetype i = 0; i < line.size(); ++i) {
    const qsizetype length = line.at(i).isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
    const QString character = line.mid(i, length);
    if (!ToAnsi(character)) return ToUtf8(character);
    i += length - 1;
  }
  return {};
}

}  // namespace

NotePanelHost::NotePanelHost(TfmLrvMain& window, BrowserHost& host)
    : QObject(&window), window_(window), host_(host),
      notes_(host.Viewer(), window.services().prompter, window.services().disk) {
  setObjectName(QStringLiteral("NotePanelHost"));
  splitter_ = host.NoteSplitter();

  pnNote_ = new QWidget(splitter_);
  pnNote_->setObjectName(QStringLiteral("pnNote"));
  // The splitter may shrink the panel to its 2-pixel edge, whatever its
  // contents ask for.
  pnNote_->setMinimumHeight(kCollapsedNoteHeight);
  auto* layout = new QVBoxLayout(pnNote_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  dxDockNote_ = new QToolBar(QStringLiteral("Примечание"), pnNote_);
  dxDockNote_->setObjectName(QStringLiteral("dxDockNote"));
  dxDockNote_->setMovable(false);
  dxDockNote_->setFloatable(false);
  dxDockNote_->toggleViewAction()->setVisible(false);  // cannot be closed
  dxDockNote_->setContextMenuPolicy(Qt::PreventContextMenu);
  dxDockNote_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  dxDockNote_->setIconSize(QSize(16, 16));
  layout->addWidget(dxDockNote_);

  seNote_ = new QPlainTextEdit(pnNote_);
  seNote_->setObjectName(QStringLiteral("seNote"));
  seNote_->setFrameShape(QFrame::NoFrame);
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  seNote_->setFont(font);
  seNote_->installEventFilter(this);
  layout->addWidget(seNote_, 1);

  splitter_->addWidget(pnNote_);
  splitter_->setStretchFactor(1, 0);
  splitter_->setCollapsible(0, false);
  splitter_->setCollapsible(1, false);
  splitter_->setSizes({std::max(1, splitter_->height() - notes_.Height()), notes_.Height()});

  connect(splitter_, &QSplitter::splitterMoved, this, [this] { notes_.SetHeight(splitter_->sizes().value(1)); });
  // seNoteChange
  connect(seNote_, &QPlainTextEdit::textChanged, this, [this] {
    if (settingText_) return;
    notes_.EditorChanged(EditorText());
    ShowState();
  });
}

NotePanelHost* NotePanelHostOf(TfmLrvMain& window) {
  return window.findChild<NotePanelHost*>(QStringLiteral("NotePanelHost"), Qt::FindDirectChildrenOnly);
}

void NotePanelHost::FillToolbar(CommandList& commands) {
  auto* caption = new QLabel(QStringLiteral("Примечание"), dxDockNote_);
  caption->setObjectName(QStringLiteral("dxNoteNote"));
  caption->setContentsMargins(4, 0, 8, 0);
  dxDockNote_->addWidget(caption);
  for (const char* name : {"acNoteSave", "acNoteLoad", "acNoteDelete"})
    if (QAction* action = commands[name]) dxDockNote_->addAction(action);
  // The pin button sits at the right end.
  auto* gap = new QWidget(dxDockNote_);
  gap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  dxDockNote_->addWidget(gap);
  if (QAction* lock = commands["acNoteLockPanel"]) dxDockNote_->addAction(lock);
}

// ---- Steps.

void NotePanelHost::FirstShow() {
  notes_.FirstShow();
  ShowState();
}

void NotePanelHost::NavigateComplete(const NavigateCompleteSteps& steps) {
  ApplyEditor(notes_.NavigateComplete(steps));
  ShowState();
}

void NotePanelHost::Add() {
  ApplyEditor(notes_.AddExecute());
  ShowState();
}

void NotePanelHost::Save() {
  ReportingIoErrors([this] { notes_.SaveExecute(Address(), EditorText()); });
  ShowState();
}

void NotePanelHost::Load() {
  const auto choose = [this] { return ChooseNoteFile ? ChooseNoteFile() : AskNoteFile(&window_); };
  ReportingIoErrors([&] { ApplyEditor(notes_.LoadExecute(Address(), EditorText(), choose)); });
  ShowState();
}

void NotePanelHost::Delete() {
  ReportingIoErrors([this] { ApplyEditor(notes_.DeleteExecute(Address())); });
  ShowState();
}

void NotePanelHost::LockPanel() {
  notes_.LockPanelExecute();
  ShowState();
}

void NotePanelHost::DeleteAllNotes() {
  notes_.DelAllNotesExecute();
  ShowState();
}

void NotePanelHost::PrepareMenu(QMenu* menu, const QString& submenuName) {
  QAction* submenu = nullptr;
  for (QAction* action : menu->actions())
    if (action->menu() != nullptr && action->menu()->objectName() == submenuName) submenu = action;
  const NoteMenu prepared = notes_.PrepareMenu(Address());
  if (submenu) submenu->setEnabled(prepared.enabled);
  if (prepared.addCaption)
    if (QAction* add = window_.commands()["acNoteAdd"]) add->setText(FromUtf8(*prepared.addCaption));
  ShowState();
}

// The first show puts the restored state on the screen.
void NotePanelHost::RestorePinned(bool pinned) {
  notes_.SetPinned(pinned);
  if (QAction* lock = window_.commands()["acNoteLockPanel"]) lock->setChecked(pinned);
}

void NotePanelHost::RestoreHeight(int height) { notes_.SetHeight(height); }

// ---- The editor.

NoteText NotePanelHost::EditorText() const {
  NoteText text;
  if (seNote_->document()->isEmpty()) return text;
  // Block texts keep every character as typed (toPlainText would turn
  // no-break spaces into spaces).
  for (QTextBlock block = seNote_->document()->begin(); block.isValid(); block = block.next()) {
    for (const QString& line : block.text().split(QChar::LineSeparator)) {
      if (auto ansi = ToAnsi(line)) {
        text.lines.push_back(std::move(*ansi));
        continue;
      }
      if (text.unsavable.empty()) text.unsavable = FirstUnsavable(line);
      text.lines.emplace_back();
    }
  }
  return text;
}

void NotePanelHost::ApplyEditor(const NoteEditorUpdate& update) {
  settingText_ = true;
  if (update.clear) seNote_->clear();
  if (update.lines) {
    QStringList lines;
    for (const std::string& line : *update.lines) lines << FromAnsi(line);
    seNote_->setPlainText(lines.join(QLatin1Char('\n')));
  }
  settingText_ = false;
  if (update.focus && seNote_->isVisible() && seNote_->isEnabled()) seNote_->setFocus(Qt::OtherFocusReason);
}

bool NotePanelHost::eventFilter(QObject* watched, QEvent* event) {
  // F1 in the editor reaches the application's help command.
  if (watched == seNote_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
      window_.commands().Execute("acHelp");
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

// ---- The window's side.

std::string NotePanelHost::Address() { return host_.Viewer().History().BoxText(); }

void NotePanelHost::ShowState() {
  if (QAction* lock = window_.commands()["acNoteLockPanel"]) lock->setChecked(notes_.Pinned());
  dxDockNote_->setVisible(notes_.ToolbarVisible());
  const int height = notes_.Height();
  const QList<int> sizes = splitter_->sizes();
  if (sizes.value(1) != height) {
    const int total = sizes.value(0) + sizes.value(1);
    splitter_->setSizes({std::max(1, total - height), height});
  }
  window_.commands().UpdateAll();
}

void NotePanelHost::ReportingIoErrors(const std::function<void()>& work) {
  try {
    work();
  } catch (const std::exception& e) {
    window_.services().prompter.Error(e.what(), 0, MessageButtons::Ok);
  }
}

}  // namespace lrv::viewer
