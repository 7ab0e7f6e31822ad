// The editing commands that work on the tree directly: rename by F2 and
// by the title box, delete, marking, undo and redo with their history
// menus, and drag and drop of an article onto another subcategory.
#include <QDragMoveEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>

#include "app/menu_layout.h"
#include "catalogue/columns.h"
#include "editing/ui/catalogue_tree.h"
#include "editing_windows_support.h"

using namespace lrv;
using namespace lrv::testing;

class EditingCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void renameByF2() {
    EditingWindow e;
    CatalogueNode* first = e.c().Root(0);
    CatalogueNode* second = e.c().Root(1);
    e.Select(first);
    e.w().tlMain->setFocus();
    const int entries = e.EntryCount();

    // The title of another category is refused with its message.
    e.f.prompter.Type(Q(second).toLower().toStdString());
    QTest::keyClick(e.w().tlMain, Qt::Key_F2);
    QCOMPARE(e.f.prompter.inputBoxes.size(), std::size_t(1));
    QCOMPARE(e.f.prompter.inputBoxes[0].caption, std::string("Изменить заголовок"));
    QCOMPARE(e.f.prompter.inputBoxes[0].prompt, std::string("Заголовок категории"));
    QCOMPARE(e.f.prompter.inputBoxes[0].initial, Q(first).toStdString());
    QCOMPARE(e.f.prompter.Last()->text, std::string("Категория с таким названием уже существует!"));
    QCOMPARE(e.f.prompter.Last()->helpContext, 32);
    QCOMPARE(e.EntryCount(), entries);

    e.f.prompter.Type("a~b");
    QTest::keyClick(e.w().tlMain, Qt::Key_F2);
    QCOMPARE(e.f.prompter.Last()->kind, MessageKind::Warning);
    QCOMPARE(e.f.prompter.Last()->helpContext, 35);

    e.f.prompter.Type("  Переименованная  ");
    QTest::keyClick(e.w().tlMain, Qt::Key_F2);
    QCOMPARE(first->Title(), A("Переименованная"));
    QCOMPARE(e.EntryCount(), entries + 1);
    QCOMPARE(e.LastOperation(), Op(JournalOp::Rename));

    // Two nodes selected: F2 asks nothing.
    e.c().Select(second);
    const auto boxes = e.f.prompter.inputBoxes.size();
    QTest::keyClick(e.w().tlMain, Qt::Key_F2);
    QCOMPARE(e.f.prompter.inputBoxes.size(), boxes);
  }

  void renameByTitleBoxOfTheContextMenu() {
    EditingWindow e;
    CatalogueNode* article = SubcategoryWith(e.c(), 2)->Child(0);
    e.Select(article);
    QMenu* menu = e.w().TreeContextMenu();
    auto* box = menu->findChild<QLineEdit*>(QStringLiteral("edCaption"));
    QVERIFY(box);
    emit menu->aboutToShow();
    QVERIFY(e.w().commands().Find(QStringLiteral("edCaption"))->isVisible());
    QCOMPARE(box->text(), Q(article));
    box->setText(QStringLiteral("  Статья с новым названием "));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(article->Title(), A("Статья с новым названием"));
    QCOMPARE(box->text(), QStringLiteral("Статья с новым названием"));
    QCOMPARE(e.LastOperation(), Op(JournalOp::Rename));
    QVERIFY(e.f.prompter.messages.empty());

    // Two nodes: the box is hidden.
    e.c().Select(article->Parent()->Child(article->Row() == 0 ? 1 : 0));
    QCOMPARE(e.c().SelectedCount(), 2);
    emit menu->aboutToShow();
    QVERIFY(!e.w().commands().Find(QStringLiteral("edCaption"))->isVisible());
  }

  void deleteAnArticleAndTheCaptionFollowsTheSelection() {
    EditingWindow e;
    CatalogueNode* sub = SubcategoryWith(e.c(), 2);
    const int articles = ArticleCount(e.c());
    const int inSub = sub->ChildCount();
    QAction* action = e.w().commands().Find(QStringLiteral("acDelArticleOrCat"));
    e.Select(sub->Child(0));
    e.c().Select(sub->Child(1));
    e.w().commands().UpdateAll();
    QCOMPARE(action->text(), QStringLiteral("&Удалить статьи [2]"));
    e.Select(sub->Parent());
    e.w().commands().UpdateAll();
    QCOMPARE(action->text(), QStringLiteral("&Удалить категорию"));

    CatalogueNode* article = sub->Child(0);
    const QString title = Q(article);
    e.Select(article);
    e.f.prompter.Reply(Answer::Cancel);
    QVERIFY(e.w().commands().Execute("acDelArticleOrCat"));
    QCOMPARE(sub->ChildCount(), inSub);  // cancelled
    QVERIFY(e.w().commands().Execute("acDelArticleOrCat"));
    QCOMPARE(e.f.prompter.Last()->text,
             "Вы действительно хотите удалить\n\r\"" + title.toStdString() + "\"?");
    QCOMPARE(e.f.prompter.Last()->helpContext, 41);
    QCOMPARE(sub->ChildCount(), inSub - 1);
    QCOMPARE(sub->Value(ColCount), std::to_string(inSub - 1));
    QCOMPARE(e.LastOperation(), Op(JournalOp::Delete));
    QCOMPARE(e.w().pnArticlesCount->text(), QStringLiteral("Статей в архиве: %1").arg(articles - 1));
  }

  void markTwoArticlesRead() {
    EditingWindow e;
    CatalogueNode* sub = SubcategoryWith(e.c(), 2);
    e.Select(sub->Child(0));
    e.c().Select(sub->Child(1));
    const int entries = e.EntryCount();
    QVERIFY(e.w().commands().Execute("acCheckReaded"));
    QCOMPARE(sub->Child(0)->Value(ColState), std::string("3"));
    QCOMPARE(sub->Child(1)->Value(ColState), std::string("3"));
    QCOMPARE(e.EntryCount(), entries + 1);
    QCOMPARE(e.LastOperation(), Op(JournalOp::MarkArticle));
    // Ctrl+4 reaches the same command from the keyboard.
    e.w().activateWindow();
    QTest::keyClick(e.w().tlMain, Qt::Key_4, Qt::ControlModifier);
    QCOMPARE(sub->Child(0)->Value(ColState), std::string(""));
  }

  void theTreeMenusPrepareTheMarkSubmenu() {
    EditingWindow e;
    CatalogueNode* sub = SubcategoryWith(e.c(), 2);
    e.c().SetValue(sub->Child(0), ColState, "2");
    e.c().SetValue(sub->Child(1), ColState, "2");
    QMenu* menu = e.w().TreeContextMenu();
    QAction* submenu = menu->findChild<QMenu*>(QStringLiteral("miMarkArticlePopup"))->menuAction();
    e.Select(sub->Child(0));
    e.c().Select(sub->Child(1));
    emit menu->aboutToShow();
    QVERIFY(submenu->isVisible());
    QCOMPARE(submenu->text(), QStringLiteral("&Отметить статьи [2] как"));
    QVERIFY(e.w().commands()["acCheckNew"]->isChecked());
    QVERIFY(!e.w().commands()["acCheckReaded"]->isChecked());
    e.Select(sub);
    emit menu->aboutToShow();
    QVERIFY(!submenu->isVisible());
    // The tree hidden (left panel narrow): no submenu either.
    e.Select(sub->Child(0));
    e.w().Splitter->setSizes({10, e.w().width() - 10});
    emit menu->aboutToShow();
    QVERIFY(!submenu->isVisible());
  }

  void undoRedoAndTheHistoryMenus() {
    EditingWindow e;
    const int categories = e.c().RootCount();
    CommandList& c = e.w().commands();
    QVERIFY(!c.Execute("acTreeUndo"));  // only the start-up entry
    for (const char* title : {"Один", "Два", "Три"}) {
      CatalogueNode* added = e.c().AddRoot();
      e.c().SetValue(added, ColTitle, A(title));
      e.w().journal().RecordJournalEntry(e.c(), JournalOp::AddCategory, A(title));
    }
    e.w().UpdateStatusCounts();
    QVERIFY(c.Execute("acTreeUndo"));
    QCOMPARE(e.c().RootCount(), categories + 2);
    QCOMPARE(e.w().pnCatsCount->text(), QStringLiteral("Категорий: %1").arg(categories + 2));
    QVERIFY(c.Execute("acTreeRedo"));
    QCOMPARE(e.c().RootCount(), categories + 3);
    QVERIFY(!c.Execute("acTreeRedo"));

    // The back menu lists the three additions newest first; the oldest
    // returns to the state right after start-up.
    QMenu* back = c.DropDownMenu(c.Find(QStringLiteral("acTreeUndo")));
    QVERIFY(back);
    QCOMPARE(back->objectName(), QStringLiteral("pmTreeHistoryBack"));
    emit back->aboutToShow();
    QCOMPARE(back->actions().size(), 3);
    for (QAction* item : back->actions()) QCOMPARE(item->text(), QStringLiteral("Добавление категории"));
    back->actions().last()->trigger();
    QCOMPARE(e.c().RootCount(), categories);
    QCOMPARE(e.w().pnCatsCount->text(), QStringLiteral("Категорий: %1").arg(categories));

    QMenu* forward = c.DropDownMenu(c.Find(QStringLiteral("acTreeRedo")));
    QCOMPARE(forward->objectName(), QStringLiteral("pmTreeHistoryForward"));
    emit forward->aboutToShow();
    QCOMPARE(forward->actions().size(), 3);
    forward->actions().at(1)->trigger();  // up to the second addition
    QCOMPARE(e.c().RootCount(), categories + 2);
  }

  void undoStaysAPlainCommandInTheEditMenu() {
    EditingWindow e;
    QAction* undo = e.w().commands().Find(QStringLiteral("acTreeUndo"));
    auto* edit = e.w().menuBar()->findChild<QMenu*>(QStringLiteral("miEdit"));
    QVERIFY(edit && edit->actions().contains(undo));
    emit edit->aboutToShow();
    QVERIFY(undo->menu() == nullptr);  // clickable there, not a sub-menu
    // A toolbar button of the command carries the history as its drop-down.
    QToolBar bar;
    FillToolBar(&bar, {MenuItemSpec{"acTreeUndo", {}, nullptr, {}}}, e.w().commands());
    auto* button = qobject_cast<QToolButton*>(bar.widgetForAction(undo));
    QVERIFY(button && button->menu() == e.w().commands().DropDownMenu(undo));
    QCOMPARE(button->popupMode(), QToolButton::MenuButtonPopup);
  }

  void dragAnArticleOntoAnotherSubcategory() {
    EditingWindow e;
    CatalogueNode* from = SubcategoryWith(e.c(), 1);
    CatalogueNode* to = OtherSubcategory(e.c(), from);
    CatalogueNode* article = from->Child(0);
    e.c().SetValue(article, ColLook, kLookedYes);
    const int fromCount = from->ChildCount(), toCount = to->ChildCount();
    e.c().SetExpanded(from->Parent(), true);
    e.c().SetExpanded(to->Parent(), true);
    e.Select(article);
    TCatalogueTree* tree = e.w().tlMain;

    auto dragOver = [&](CatalogueNode* node) {
      tree->scrollTo(tree->IndexFromNode(node));
      const QRect rect = tree->visualRect(tree->IndexFromNode(node));
      if (tree->NodeAt(rect.center()) != node) qWarning("no node under the pointer");
      std::unique_ptr<QMimeData> data(tree->CreateDragData());
      QDragEnterEvent enter(rect.center(), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(tree->viewport(), &enter);
      QDragMoveEvent move(rect.center(), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(tree->viewport(), &move);
      return move.isAccepted();
    };
    QVERIFY(!dragOver(to->Parent()));  // a category cannot hold an article
    QCOMPARE(e.w().pnStatusLarge->text(), QStringLiteral("Сюда переместить нельзя!"));
    QVERIFY(!e.w().pnStatusLargeImage->pixmap().isNull());
    QVERIFY(dragOver(to));
    QCOMPARE(e.w().pnStatusLarge->text(), QStringLiteral("Переместить в \"%1\"").arg(Q(to)));
    QVERIFY(e.w().pnStatusLargeImage->pixmap().isNull());

    // The drop the tree reports over that node.
    emit tree->nodesDropped(to);
    QCOMPARE(article->Parent(), to);
    QCOMPARE(article->Value(ColLook), std::string(kLookedYes));  // the node itself moved
    QCOMPARE(from->Value(ColCount), std::to_string(fromCount - 1));
    QCOMPARE(to->Value(ColCount), std::to_string(toCount + 1));
    QCOMPARE(e.LastOperation(), Op(JournalOp::Move));

    // Dropping a subcategory on another subcategory breaks the levels.
    e.Select(from);
    emit tree->nodesDropped(to);
    QCOMPARE(e.f.prompter.Last()->helpContext, 30);
    QCOMPARE(from->Depth(), 1);
  }
};

int RunEditingCommandTests(int argc, char** argv) {
  EditingCommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "editing_commands_test.moc"
