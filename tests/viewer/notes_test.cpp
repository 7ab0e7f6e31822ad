#include "viewer/notes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/files.h"
#include "base/text.h"
#include "catalogue/backups.h"
#include "platform/fake/fake_disk.h"
#include "platform/fake/fake_prompter.h"
#include "viewer/addresses.h"
#include "viewer_catalogue.h"

namespace lrv::viewer {
namespace {

namespace fs = std::filesystem;
using testing::AddArticle;
using testing::AddNode;
using testing::TempArchive;

// One subcategory with two articles; the browser is taken to be on one of
// them (or on an untitled page) whenever a test says so.
class NotesTest : public ::testing::Test {
 protected:
  NotesTest() : archive_("notes") {
    CatalogueNode* sub = AddNode(catalogue_, AddNode(catalogue_, nullptr, "Cat"), "Sub");
    AddArticle(catalogue_, sub, text::Ansi("Статья с точками"), "a.b.html");
    AddArticle(catalogue_, sub, "Plain", "plain.html");
    base_ = BaseDirAddress(archive_.GetDirs());
  }

  std::string At(std::string_view file) const { return base_ + std::string(file); }
  fs::path Notes() const { return archive_.GetDirs().NotesDir(); }
  fs::path NoteOf(std::string_view noteName) const { return Notes() / std::string(noteName); }
  void WriteNote(std::string_view noteName, std::string_view content) const {
    fs::create_directories(Notes());
    std::ofstream(NoteOf(noteName), std::ios::binary) << content;
  }
  static NoteText Text(std::vector<std::string> lines) { return {std::move(lines), ""}; }
  // The navigate-complete steps as the viewer works them out.
  NoteEditorUpdate ShowPage(std::string_view address) {
    return notes_.NavigateComplete(viewer_.NavigateComplete(address, true));
  }
  std::vector<int> HelpContexts() const {
    std::vector<int> contexts;
    for (const Message& m : prompter_.messages) contexts.push_back(m.helpContext);
    return contexts;
  }

  TempArchive archive_;
  Catalogue catalogue_;
  std::string base_;
  ArticleViewer viewer_{catalogue_, archive_.GetDirs()};
  FakePrompter prompter_;
  FakeDisk disk_;
  NotePanel notes_{viewer_, prompter_, disk_};
};

TEST_F(NotesTest, SavingWritesWindowsLinesIntoTheFileNamedAfterThePage) {
  struct Case {
    std::string page;
    std::string noteName;
  };
  const Case cases[] = {{"a.b.html", "a.b.txt"}, {"plain.html", "plain.txt"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    fs::remove_all(Notes());  // the save creates the folder again
    ShowPage(At(c.page));
    const NoteText typed = Text({text::Ansi("Первая строка"), "", "  second"});
    notes_.EditorChanged(typed);
    ASSERT_TRUE(notes_.SaveEnabled());
    EXPECT_TRUE(notes_.SaveExecute(At(c.page), typed));
    EXPECT_EQ(ReadFile(NoteOf(c.noteName)), text::Ansi("Первая строка") + "\r\n\r\n  second\r\n");
    EXPECT_FALSE(notes_.Modified());
    EXPECT_FALSE(notes_.SaveEnabled());
  }
  EXPECT_TRUE(prompter_.messages.empty());
}

TEST_F(NotesTest, AnUntitledPageHidesTheToolbarAndRefusesEveryNoteCommand) {
  WriteNote("page.txt", "not ours\r\n");
  for (const std::string& address : {std::string("about:blank"), At("page.html"), std::string("http://x.org/a.html")}) {
    SCOPED_TRACE(address);
    prompter_.Clear();
    const NoteEditorUpdate update = ShowPage(address);
    EXPECT_TRUE(update.clear);
    EXPECT_FALSE(update.lines);
    EXPECT_FALSE(notes_.ToolbarVisible());
    EXPECT_FALSE(notes_.AddEnabled());
    EXPECT_TRUE(notes_.Collapsed());

    EXPECT_FALSE(notes_.SaveExecute(address, Text({"text"})));
    EXPECT_FALSE(notes_.LoadExecute(address, Text({}), [] { return std::optional<fs::path>("/etc/hostname"); }).lines);
    EXPECT_FALSE(notes_.DeleteExecute(address).clear);
    EXPECT_EQ(HelpContexts(), (std::vector<int>{kNoteWithoutArticleHelp, kNoteWithoutArticleHelp,
                                                kNoteWithoutArticleHelp}));
    EXPECT_EQ(prompter_.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(prompter_.messages[0].text, kNoteWithoutArticleText);
    EXPECT_EQ(prompter_.messages[0].buttons, MessageButtons::OkHelp);
  }
  EXPECT_EQ(ReadFile(NoteOf("page.txt")), std::string("not ours\r\n"));
  EXPECT_FALSE(fs::exists(NoteOf("about.txt")));
}

TEST_F(NotesTest, SavingFromARemovableMediumWarnsFirstAndWritesNothing) {
  disk_.fixed = false;
  ShowPage(At("plain.html"));
  EXPECT_FALSE(notes_.SaveExecute(At("plain.html"), Text({"x"})));
  EXPECT_FALSE(notes_.SaveExecute("about:blank", Text({"x"})));  // the disk is tested before the title
  EXPECT_EQ(HelpContexts(), (std::vector<int>{kNoteNotOnFixedDiskHelp, kNoteNotOnFixedDiskHelp}));
  EXPECT_EQ(prompter_.messages[0].text, kNoteNotOnFixedDiskText);
  EXPECT_FALSE(fs::exists(NoteOf("plain.txt")));

  // Removing works on any medium.
  WriteNote("plain.txt", "x\r\n");
  EXPECT_TRUE(notes_.DeleteExecute(At("plain.html")).clear);
  EXPECT_FALSE(fs::exists(NoteOf("plain.txt")));
}

TEST_F(NotesTest, APageWithANoteOpensExpandedAndOneWithoutStaysCollapsed) {
  WriteNote("a.b.txt", text::Ansi("заметка") + "\r\nline 2\r\n");
  notes_.FirstShow();
  EXPECT_TRUE(notes_.Collapsed());
  EXPECT_FALSE(notes_.ToolbarVisible());
  EXPECT_FALSE(notes_.AddEnabled());

  NoteEditorUpdate update = ShowPage(At("a.b.html"));
  EXPECT_TRUE(update.clear);
  EXPECT_EQ(update.lines, (std::vector<std::string>{text::Ansi("заметка"), "line 2"}));
  EXPECT_EQ(notes_.Height(), kInitialNotePanelHeight);
  EXPECT_TRUE(notes_.ToolbarVisible());
  EXPECT_TRUE(notes_.AddEnabled());
  EXPECT_TRUE(notes_.DeleteEnabled());
  EXPECT_FALSE(notes_.SaveEnabled());
  EXPECT_FALSE(notes_.Modified());

  // The user makes the panel taller; the next note comes back at that height.
  notes_.SetHeight(160);
  update = ShowPage(At("plain.html"));
  EXPECT_FALSE(update.lines);
  EXPECT_TRUE(notes_.Collapsed());
  EXPECT_TRUE(notes_.ToolbarVisible());
  EXPECT_TRUE(notes_.AddEnabled());
  EXPECT_FALSE(notes_.DeleteEnabled());
  EXPECT_EQ(notes_.RememberedHeight(), 160);

  notes_.AddExecute();
  EXPECT_EQ(notes_.Height(), 160);
  ShowPage(At("a.b.html"));
  EXPECT_EQ(notes_.Height(), 160);
  EXPECT_TRUE(prompter_.messages.empty());
}

TEST_F(NotesTest, TheFirstShowRemembersARestoredHeightUnlessItIsCollapsed) {
  notes_.SetHeight(140);
  notes_.FirstShow();
  EXPECT_TRUE(notes_.Collapsed());
  EXPECT_EQ(notes_.RememberedHeight(), 140);

  NotePanel collapsedAtClose{viewer_, prompter_, disk_};
  collapsedAtClose.SetHeight(kCollapsedNoteHeight);
  collapsedAtClose.FirstShow();
  EXPECT_EQ(collapsedAtClose.RememberedHeight(), kInitialNotePanelHeight);

  NotePanel pinned{viewer_, prompter_, disk_};
  pinned.SetPinned(true);
  pinned.SetHeight(140);
  pinned.FirstShow();
  EXPECT_EQ(pinned.Height(), 140);
  EXPECT_FALSE(pinned.ToolbarVisible());
}

TEST_F(NotesTest, LoadEnablesSaveAndSavingDisablesItUntilTheNextEdit) {
  const fs::path chosen = archive_.BaseDir() / "elsewhere.txt";
  std::ofstream(chosen, std::ios::binary) << "from a file\r\n" + text::Ansi("вторая") + "\r\n";
  ShowPage(At("plain.html"));
  int asked = 0;
  auto choose = [&] {
    ++asked;
    return std::optional<fs::path>(chosen);
  };

  const NoteEditorUpdate update = notes_.LoadExecute(At("plain.html"), Text({"  ", ""}), choose);
  EXPECT_TRUE(prompter_.messages.empty());  // a blank editor is replaced without a question
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(update.lines, (std::vector<std::string>{"from a file", text::Ansi("вторая")}));
  EXPECT_TRUE(update.focus);
  EXPECT_EQ(notes_.Height(), kInitialNotePanelHeight);
  EXPECT_TRUE(notes_.ToolbarVisible());
  EXPECT_TRUE(notes_.Modified());
  EXPECT_TRUE(notes_.SaveEnabled());
  EXPECT_TRUE(notes_.DeleteEnabled());
  EXPECT_FALSE(fs::exists(NoteOf("plain.txt")));  // nothing written yet

  ASSERT_TRUE(notes_.SaveExecute(At("plain.html"), Text(*update.lines)));
  EXPECT_EQ(ReadFile(NoteOf("plain.txt")), ReadFile(chosen));
  EXPECT_FALSE(notes_.SaveEnabled());
  notes_.EditorChanged(Text({"from a file!"}));
  EXPECT_TRUE(notes_.SaveEnabled());
}

TEST_F(NotesTest, LoadAsksBeforeReplacingANoteAndStopsOnCancel) {
  ShowPage(At("plain.html"));
  int asked = 0;
  auto cancelDialog = [&] {
    ++asked;
    return std::optional<fs::path>();
  };
  prompter_.Reply(Answer::Cancel);
  EXPECT_FALSE(notes_.LoadExecute(At("plain.html"), Text({"typed"}), cancelDialog).lines);
  EXPECT_EQ(asked, 0);
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].kind, MessageKind::Confirmation);
  EXPECT_EQ(prompter_.messages[0].text, kNoteReplaceQuestion);
  EXPECT_EQ(prompter_.messages[0].helpContext, kNoteReplaceHelp);

  // OK, then the dialog is cancelled: nothing changes.
  const NoteEditorUpdate update = notes_.LoadExecute(At("plain.html"), Text({"typed"}), cancelDialog);
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(update.lines);
  EXPECT_FALSE(update.clear);
  EXPECT_FALSE(notes_.Modified());
  EXPECT_TRUE(notes_.Collapsed());
}

TEST_F(NotesTest, TypingOnlySpacesEnablesRemoveButNotSave) {
  ShowPage(At("plain.html"));
  notes_.EditorChanged(Text({"   ", " \t"}));
  EXPECT_TRUE(notes_.Modified());
  EXPECT_FALSE(notes_.SaveEnabled());
  EXPECT_TRUE(notes_.DeleteEnabled());
  notes_.EditorChanged(Text({"   x"}));
  EXPECT_TRUE(notes_.SaveEnabled());
  // A character without a Windows-1251 form is text, not blank.
  notes_.EditorChanged({{" "}, "\xE2\x9C\x93"});
  EXPECT_TRUE(notes_.SaveEnabled());
}

TEST_F(NotesTest, RemovingAnUnsavedNoteClearsTheEditorAndCollapsesThePanel) {
  ShowPage(At("plain.html"));
  notes_.AddExecute();
  notes_.EditorChanged(Text({"typed only"}));
  ASSERT_FALSE(notes_.Collapsed());

  prompter_.Reply(Answer::Cancel);
  EXPECT_FALSE(notes_.DeleteExecute(At("plain.html")).clear);
  EXPECT_TRUE(notes_.Modified());
  EXPECT_FALSE(notes_.Collapsed());

  const NoteEditorUpdate update = notes_.DeleteExecute(At("plain.html"));
  EXPECT_TRUE(update.clear);
  EXPECT_FALSE(notes_.Modified());
  EXPECT_FALSE(notes_.SaveEnabled());
  EXPECT_FALSE(notes_.DeleteEnabled());
  EXPECT_TRUE(notes_.Collapsed());
  EXPECT_EQ(notes_.RememberedHeight(), kInitialNotePanelHeight);
  ASSERT_EQ(prompter_.messages.size(), 2u);
  EXPECT_EQ(prompter_.messages[1].text, kNoteRemoveQuestion);
  EXPECT_EQ(prompter_.messages[1].helpContext, kNoteRemoveHelp);
}

TEST_F(NotesTest, ReadOnlyNotesAreOverwrittenAndRemoved) {
  WriteNote("plain.txt", "old\r\n");
  fs::permissions(NoteOf("plain.txt"), fs::perms::owner_read | fs::perms::group_read);
  ShowPage(At("plain.html"));
  ASSERT_TRUE(notes_.SaveExecute(At("plain.html"), Text({"new"})));
  EXPECT_EQ(ReadFile(NoteOf("plain.txt")), std::string("new\r\n"));

  fs::permissions(NoteOf("plain.txt"), fs::perms::owner_read | fs::perms::group_read);
  notes_.DeleteExecute(At("plain.html"));
  EXPECT_FALSE(fs::exists(NoteOf("plain.txt")));
}

TEST_F(NotesTest, APinnedPanelKeepsItsHeight) {
  WriteNote("a.b.txt", "note\r\n");
  notes_.SetHeight(120);
  notes_.LockPanelExecute();
  ASSERT_TRUE(notes_.Pinned());
  for (const char* page : {"a.b.html", "plain.html", "unknown.html"}) {
    ShowPage(At(page));
    EXPECT_EQ(notes_.Height(), 120) << page;
  }
  ShowPage(At("a.b.html"));
  notes_.DeleteExecute(At("a.b.html"));
  EXPECT_EQ(notes_.Height(), 120);
  notes_.LockPanelExecute();
  EXPECT_FALSE(notes_.Pinned());
}

TEST_F(NotesTest, ATextWithoutAWindowsFormIsNotSaved) {
  WriteNote("plain.txt", "kept\r\n");
  ShowPage(At("plain.html"));
  const NoteText text{{"fine", "?"}, "\xE2\x9C\x93"};
  notes_.EditorChanged(text);
  EXPECT_FALSE(notes_.SaveExecute(At("plain.html"), text));
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_NE(prompter_.messages[0].text.find("\xE2\x9C\x93"), std::string::npos);
  EXPECT_EQ(ReadFile(NoteOf("plain.txt")), std::string("kept\r\n"));
  EXPECT_TRUE(notes_.Modified());
  EXPECT_TRUE(notes_.SaveEnabled());
}

TEST_F(NotesTest, AFolderThatCannotBeMadeStopsTheSave) {
  fs::remove_all(Notes());
  std::ofstream(Notes()) << "a file where the folder belongs";
  ShowPage(At("plain.html"));
  notes_.EditorChanged(Text({"x"}));
  EXPECT_THROW(notes_.SaveExecute(At("plain.html"), Text({"x"})), IoError);
  EXPECT_TRUE(notes_.Modified());
  EXPECT_TRUE(notes_.SaveEnabled());
}

TEST_F(NotesTest, TheNoteSubmenuFollowsThePageAndItsFile) {
  // Untitled: disabled, and nothing else changes.
  notes_.EditorChanged(Text({"x"}));
  NoteMenu menu = notes_.PrepareMenu("about:blank");
  EXPECT_FALSE(menu.enabled);
  EXPECT_FALSE(menu.addCaption);
  EXPECT_TRUE(notes_.DeleteEnabled());

  ShowPage(At("plain.html"));
  notes_.EditorChanged(Text({"   "}));  // modified, yet save disabled by the blank text
  menu = notes_.PrepareMenu(At("plain.html"));
  EXPECT_TRUE(menu.enabled);
  EXPECT_EQ(menu.addCaption, std::string(kNoteAddCaption));
  EXPECT_TRUE(notes_.SaveEnabled());     // exactly the modified flag
  EXPECT_FALSE(notes_.DeleteEnabled());  // no file yet

  WriteNote("plain.txt", "x\r\n");
  ShowPage(At("plain.html"));
  menu = notes_.PrepareMenu(At("plain.html"));
  EXPECT_EQ(menu.addCaption, std::string(kNoteChangeCaption));
  EXPECT_FALSE(notes_.SaveEnabled());
  EXPECT_TRUE(notes_.DeleteEnabled());
}

TEST_F(NotesTest, DeleteAllNotes) {
  WriteNote("a.b.txt", "1\r\n");
  WriteNote("plain.txt", "2\r\n");

  disk_.fixed = false;
  EXPECT_FALSE(notes_.DelAllNotesExecute());
  EXPECT_TRUE(prompter_.messages.empty());
  disk_.fixed = true;

  prompter_.Reply(Answer::Cancel);
  EXPECT_FALSE(notes_.DelAllNotesExecute());
  EXPECT_TRUE(fs::exists(NoteOf("a.b.txt")));

  EXPECT_TRUE(notes_.DelAllNotesExecute());
  EXPECT_FALSE(fs::exists(Notes()));
  ASSERT_EQ(prompter_.messages.size(), 3u);
  EXPECT_EQ(prompter_.messages[1].kind, MessageKind::Confirmation);
  EXPECT_EQ(prompter_.messages[1].text, "Удалить все сделанные к статьям примечания БЕЗ ВОЗМОЖНОСТИ ВОССТАНОВЛЕНИЯ?");
  EXPECT_EQ(prompter_.messages[1].helpContext, 49);
  EXPECT_EQ(prompter_.messages[2].kind, MessageKind::Information);
  EXPECT_EQ(prompter_.messages[2].text, kAllNotesDeletedText);
  EXPECT_EQ(prompter_.messages[2].helpContext, kAllNotesDeletedHelp);

  // A link standing for the folder is not followed, so it is not removed.
  const fs::path real = archive_.BaseDir() / "real_notes";
  fs::create_directories(real);
  std::ofstream(real / "keep.txt") << "k";
  fs::create_directory_symlink(real, Notes());
  prompter_.Clear();
  EXPECT_FALSE(notes_.DelAllNotesExecute());
  ASSERT_EQ(prompter_.messages.size(), 2u);
  EXPECT_EQ(prompter_.messages[1].kind, MessageKind::Error);
  EXPECT_EQ(prompter_.messages[1].text, "Не получилось удалить каталог\n\r\"" + DisplayFileName(Notes()) + "\"!");
  EXPECT_EQ(prompter_.messages[1].helpContext, 50);
  EXPECT_TRUE(fs::exists(real / "keep.txt"));
}

TEST_F(NotesTest, DeleteAllNotesIsEnabledOnlyWithCatalogueFolderAndTree) {
  fs::create_directories(Notes());
  EXPECT_TRUE(notes_.DelAllNotesEnabled(true));
  EXPECT_FALSE(notes_.DelAllNotesEnabled(false));
  fs::remove_all(Notes());
  EXPECT_FALSE(notes_.DelAllNotesEnabled(true));
  fs::create_directories(Notes());
  catalogue_.Clear();
  EXPECT_FALSE(notes_.DelAllNotesEnabled(true));
}

}  // namespace
}  // namespace lrv::viewer
