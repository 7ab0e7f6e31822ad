// The note panel under the browser on the real engine (offscreen): typing,
// saving, showing again and removing a note, the note submenu, and the
// panel's pinned state and height kept in "form.ini".
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolBar>
#include <QtTest>

#include "app/command_list.h"
#include "base/files.h"
#include "base/text.h"
#include "editing/note_file.h"
#include "viewer/ui/note_panel.h"
#include "viewer_window.h"

namespace lrv::testing {

int RunNoteWindowsTests(int argc, char** argv);

namespace {

struct NoteWindow : ViewerWindow {
  viewer::NotePanelHost& notes() { return *viewer::NotePanelHostOf(w()); }
  QWidget* panel() { return notes().Panel(); }
  QPlainTextEdit* editor() { return notes().Editor(); }
  bool ToolbarShown() { return notes().Toolbar()->isVisibleTo(&w()); }
  bool Enabled(const char* command) {
    w().commands().UpdateAll();
    return w().commands()[command]->isEnabled();
  }
  std::filesystem::path NoteOf(const CatalogueNode* article) {
    return *NoteFileForAddress(f.services->dirs, AddressOf(article));
  }
  bool Open(CatalogueNode* article) {
    OpenFromTree(article);
    return QTest::qWaitFor([&] { return w().windowTitle() == TitleFor(article); }, kLoadTimeout);
  }
  // Typed key by key into the editor (QTest's key clicks take Latin-1 only).
  void Type(const QString& text) {
    for (QChar ch : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(editor(), &press);
      QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(editor(), &release);
    }
  }
  // The edit menu opens; returns the note submenu's item.
  QAction* OpenEditMenu() {
    QMenu* edit = w().findChild<QMenu*>(QStringLiteral("miEdit"));
    emit edit->aboutToShow();
    for (QAction* action : edit->actions())
      if (action->menu() && action->menu()->objectName() == QLatin1String("dxNote")) return action;
    return nullptr;
  }
};

class NoteWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void aNoteIsTypedSavedShownAgainAndRemoved() {
    NoteWindow v;
    QVERIFY(v.WaitForBlankStart());
    // The blank page has no note: collapsed, no toolbar, nothing to add.
    QCOMPARE(v.panel()->height(), viewer::kCollapsedNoteHeight);
    QVERIFY(!v.ToolbarShown());
    QVERIFY(!v.Enabled("acNoteAdd"));
    QAction* submenu = v.OpenEditMenu();
    QVERIFY(submenu != nullptr);
    QVERIFY(!submenu->isEnabled());

    const auto articles = v.ArticlesWithFiles();
    CatalogueNode* a = articles[0];
    CatalogueNode* b = articles[1];
    QVERIFY(v.Open(a));
    QVERIFY(v.ToolbarShown());
    QVERIFY(v.Enabled("acNoteAdd"));
    QVERIFY(!v.Enabled("acNoteSave"));
    QCOMPARE(v.panel()->height(), viewer::kCollapsedNoteHeight);
    QVERIFY(v.OpenEditMenu()->isEnabled());
    QCOMPARE(v.w().commands()["acNoteAdd"]->text(), QStringLiteral("&Добавить заметки"));

    QVERIFY(v.w().commands().Execute("acNoteAdd"));
    QTRY_COMPARE(v.panel()->height(), viewer::kInitialNotePanelHeight);
    const QString typed = QStringLiteral("Заметка к статье");
    v.Type(typed);
    QCOMPARE(v.editor()->toPlainText(), typed);
    QVERIFY(v.Enabled("acNoteDelete"));
    QVERIFY(v.w().commands().Execute("acNoteSave"));
    QCOMPARE(ReadFile(v.NoteOf(a)), text::Ansi("Заметка к статье") + "\r\n");
    QVERIFY(!v.Enabled("acNoteSave"));

    // Another page: the panel collapses and the editor empties.
    QVERIFY(v.Open(b));
    QTRY_COMPARE(v.panel()->height(), viewer::kCollapsedNoteHeight);
    QVERIFY(v.editor()->toPlainText().isEmpty());

    // Back: the note is shown again, expanded; the submenu offers to change it.
    QVERIFY(v.w().commands().Execute("acBack"));
    QTRY_COMPARE_WITH_TIMEOUT(v.w().windowTitle(), v.TitleFor(a), kLoadTimeout);
    QCOMPARE(v.editor()->toPlainText(), typed);
    QTRY_COMPARE(v.panel()->height(), viewer::kInitialNotePanelHeight);
    QVERIFY(v.Enabled("acNoteDelete"));
    QVERIFY(!v.Enabled("acNoteSave"));
    QVERIFY(v.OpenEditMenu()->isEnabled());
    QCOMPARE(v.w().commands()["acNoteAdd"]->text(), QStringLiteral("&Изменить примечание"));

    QVERIFY(v.w().commands().Execute("acNoteDelete"));
    QVERIFY(!std::filesystem::exists(v.NoteOf(a)));
    QVERIFY(v.editor()->toPlainText().isEmpty());
    QTRY_COMPARE(v.panel()->height(), viewer::kCollapsedNoteHeight);
    QCOMPARE(v.f.prompter.messages.size(), std::size_t{1});
    QCOMPARE(v.f.prompter.messages[0].helpContext, viewer::kNoteRemoveHelp);
  }

  void aNoteWithACharacterOutsideWindows1251IsNotSaved() {
    NoteWindow v;
    QVERIFY(v.WaitForBlankStart());
    CatalogueNode* a = v.ArticlesWithFiles()[0];
    QVERIFY(v.Open(a));
    QVERIFY(v.w().commands().Execute("acNoteAdd"));
    v.Type(QStringLiteral("готово ✓"));
    QVERIFY(v.w().commands().Execute("acNoteSave"));
    QVERIFY(!std::filesystem::exists(v.NoteOf(a)));
    QCOMPARE(v.f.prompter.messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(v.f.prompter.messages[0].text).contains(QStringLiteral("✓")));
    QVERIFY(v.Enabled("acNoteSave"));  // the note is still there to be corrected
  }

  void aLoadedFileIsShownAndSavedAsTheNote() {
    NoteWindow v;
    QVERIFY(v.WaitForBlankStart());
    CatalogueNode* a = v.ArticlesWithFiles()[0];
    QVERIFY(v.Open(a));
    const std::filesystem::path file = v.f.Base() / "other.txt";
    WriteFileAtomic(file, text::Ansi("первая") + "\r\n\xA0second\r\n");
    v.notes().ChooseNoteFile = [&] { return std::optional<std::filesystem::path>(file); };
    QVERIFY(v.w().commands().Execute("acNoteLoad"));
    QCOMPARE(v.editor()->toPlainText().split(QLatin1Char('\n')).value(0), QStringLiteral("первая"));
    QTRY_COMPARE(v.panel()->height(), viewer::kInitialNotePanelHeight);
    QVERIFY(!std::filesystem::exists(v.NoteOf(a)));
    QVERIFY(v.Enabled("acNoteSave"));
    QVERIFY(v.w().commands().Execute("acNoteSave"));
    QCOMPARE(ReadFile(v.NoteOf(a)), ReadFile(file));  // byte for byte, the no-break space too
  }

  void thePinAndTheHeightSurviveARestart() {
    NoteWindow v;
    QVERIFY(v.WaitForBlankStart());
    QAction* lock = v.w().commands()["acNoteLockPanel"];
    QVERIFY(lock->isCheckable());
    QVERIFY(v.w().commands().Execute("acNoteLockPanel"));
    QVERIFY(lock->isChecked());
    QVERIFY(v.notes().Rules().Pinned());
    // The user drags the splitter up to make the panel taller.
    QSplitter* splitter = v.host().NoteSplitter();
    QSplitterHandle* handle = splitter->handle(1);
    const int before = v.panel()->height();
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(10, 1));
    QTest::mouseMove(handle, QPoint(10, -120));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(10, -120));
    QTRY_VERIFY(v.panel()->height() > before + 50);
    const int dragged = v.panel()->height();
    QCOMPARE(v.notes().Rules().Height(), dragged);

    v.window->close();
    v.window = std::make_unique<TfmLrvMain>(*v.f.services, QStringList{});
    v.window->show();
    QVERIFY(v.WaitForBlankStart());
    QVERIFY(v.w().commands()["acNoteLockPanel"]->isChecked());
    QCOMPARE(v.panel()->height(), dragged);  // pinned: the first show keeps it

    // Unpinned at the next close: the start collapses the panel and keeps
    // the height for the next note.
    QVERIFY(v.w().commands().Execute("acNoteLockPanel"));
    v.window->close();
    v.window = std::make_unique<TfmLrvMain>(*v.f.services, QStringList{});
    v.window->show();
    QVERIFY(v.WaitForBlankStart());
    QVERIFY(!v.w().commands()["acNoteLockPanel"]->isChecked());
    QCOMPARE(v.panel()->height(), viewer::kCollapsedNoteHeight);
    QCOMPARE(v.notes().Rules().RememberedHeight(), dragged);
  }
};

}  // namespace

int RunNoteWindowsTests(int argc, char** argv) {
  NoteWindowsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace lrv::testing

#include "note_windows_test.moc"
