#include "viewer/notes.h"

#include <algorithm>
#include <system_error>

#include "base/files.h"
#include "base/text.h"
#include "catalogue/backups.h"
#include "catalogue/folder_tree.h"
#include "catalogue/tree_commands.h"
#include "catalogue/message_text.h"
#include "editing/note_file.h"

namespace lrv::viewer {

namespace fs = std::filesystem;

namespace {

bool IsBlankText(std::string_view s) { return text::Trim(s).empty(); }

std::vector<std::string> ReadNote(const fs::path& file) {
  auto lines = ReadLines(file);
  if (!lines) throw IoError(file, "Cannot read the file");
  return std::move(*lines);
}

}  // namespace

bool NoteText::Blank() const {
  if (!unsavable.empty()) return false;
  for (const std::string& line : lines)
    if (!IsBlankText(line)) return false;
  return true;
}

NotePanel::NotePanel(ArticleViewer& viewer, Prompter& prompter, Disk& disk)
    : viewer_(viewer), prompter_(prompter), disk_(disk) {}

void NotePanel::SetHeight(int height) { height_ = std::max(height, kCollapsedNoteHeight); }

void NotePanel::Collapse() {
  if (pinned_) return;
  if (height_ != kCollapsedNoteHeight) rememberedHeight_ = height_;
  height_ = kCollapsedNoteHeight;
}

void NotePanel::FirstShow() {
  Collapse();
  toolbarVisible_ = false;
  addEnabled_ = false;
}

NoteEditorUpdate NotePanel::NavigateComplete(bool noteAllowed, const std::optional<fs::path>& noteFile) {
  NoteEditorUpdate update;
  toolbarVisible_ = false;
  update.clear = true;
  Collapse();
  // A titled page whose address names no file cannot have a note either.
  if (!noteAllowed || !noteFile) {
    addEnabled_ = false;
    return update;
  }
  addEnabled_ = true;
  modified_ = false;
  saveEnabled_ = false;
  toolbarVisible_ = true;
  if (!IsRegularFile(*noteFile)) {
    deleteEnabled_ = false;
    return update;
  }
  deleteEnabled_ = true;
  if (!pinned_) height_ = rememberedHeight_;
  try {
    update.lines = ReadNote(*noteFile);
  } catch (const IoError& e) {
    // The rest of the navigation goes on; the note stays on disk.
    prompter_.Error(e.what(), 0, MessageButtons::Ok);
  }
  return update;
}

NoteEditorUpdate NotePanel::AddExecute() {
  if (Collapsed()) height_ = rememberedHeight_;
  toolbarVisible_ = true;
  NoteEditorUpdate update;
  update.focus = true;
  return update;
}

void NotePanel::EditorChanged(const NoteText& text) {
  modified_ = true;
  saveEnabled_ = !text.Blank();
  deleteEnabled_ = true;
}

std::optional<fs::path> NotePanel::TitledNoteFile(std::string_view address) {
  if (IsBlankText(viewer_.PageTitleForAddress(address))) return std::nullopt;
  return NoteFileForAddress(viewer_.GetDirs(), address);
}

std::optional<fs::path> NotePanel::NoteFileOrWarn(std::string_view address) {
  auto file = TitledNoteFile(address);
  if (!file) prompter_.Warn(std::string(kNoteWithoutArticleText), kNoteWithoutArticleHelp);
  return file;
}

bool NotePanel::SaveExecute(std::string_view address, const NoteText& text) {
  if (!disk_.IsOnFixedDisk()) {
    prompter_.Warn(std::string(kNoteNotOnFixedDiskText), kNoteNotOnFixedDiskHelp);
    return false;
  }
  const auto file = NoteFileOrWarn(address);
  if (!file) return false;
  if (!text.unsavable.empty()) {
    prompter_.Warn(FillPlaceholders(kNoteUnsavableText, {text.unsavable}), 0, MessageButtons::Ok);
    return false;
  }
  MakeWritable(*file);
  EnsureFolder(viewer_.GetDirs().NotesDir());
  WriteLinesAtomic(*file, text.lines);
  modified_ = false;
  saveEnabled_ = false;
  return true;
}

NoteEditorUpdate NotePanel::LoadExecute(std::string_view address, const NoteText& current,
                                        const std::function<std::optional<fs::path>()>& chooseFile) {
  if (!NoteFileOrWarn(address)) return {};
  if (!current.Blank() && !prompter_.Confirm(std::string(kNoteReplaceQuestion), kNoteReplaceHelp)) return {};
  const std::optional<fs::path> chosen = chooseFile ? chooseFile() : std::nullopt;
  if (!chosen) return {};
  std::vector<std::string> lines = ReadNote(*chosen);
  NoteEditorUpdate update = AddExecute();
  update.clear = true;
  update.lines = std::move(lines);
  modified_ = true;
  saveEnabled_ = true;
  deleteEnabled_ = true;
  return update;
}

NoteEditorUpdate NotePanel::DeleteExecute(std::string_view address) {
  const auto file = NoteFileOrWarn(address);
  if (!file) return {};
  if (!prompter_.Confirm(std::string(kNoteRemoveQuestion), kNoteRemoveHelp)) return {};
  if (IsRegularFile(*file)) {
    MakeWritable(*file);
    std::error_code ec;
    fs::remove(*file, ec);
    if (ec) throw IoError(*file, "Cannot delete the file (" + ec.message() + ")");
  }
  NoteEditorUpdate update;
  update.clear = true;
  modified_ = false;
  saveEnabled_ = false;
  deleteEnabled_ = false;
  Collapse();
  return update;
}

bool NotePanel::DelAllNotesExecute() {
  if (!disk_.IsOnFixedDisk()) return false;
  const bool removed = AskAndDeleteNotesFolder(viewer_.GetDirs(), prompter_).value_or(false);
  if (removed) prompter_.Inform(std::string(kAllNotesDeletedText), kAllNotesDeletedHelp);
  return removed;
}

bool NotePanel::DelAllNotesEnabled(bool treeInView) const {
  std::error_code ec;
  return viewer_.GetCatalogue().RootCount() > 0 && fs::is_directory(viewer_.GetDirs().NotesDir(), ec) && treeInView;
}

NoteMenu NotePanel::PrepareMenu(std::string_view address) {
  NoteMenu menu;
  const auto file = TitledNoteFile(address);
  menu.enabled = file.has_value();
  if (!menu.enabled) return menu;
  saveEnabled_ = modified_;
  const bool exists = IsRegularFile(*file);
  menu.addCaption = std::string(exists ? kNoteChangeCaption : kNoteAddCaption);
  deleteEnabled_ = exists;
  return menu;
}

}  // namespace lrv::viewer
