// TfmAddCat, TfmAddArticle and TfmMove driven through their commands on
// the sample archive: the fields they open with, OK with the core's
// checks, the catalogue, the journal and the status counts afterwards.
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <filesystem>
#include <fstream>

#include "app/progress_window.h"
#include "base/files.h"
#include "catalogue/columns.h"
#include "editing/ui/add_cat_dialog.h"
#include "editing/ui/catalogue_tree.h"
#include "editing/ui/article_dialog_window.h"
#include "editing/ui/move_dialog.h"
#include "editing_windows_support.h"

using namespace lrv;
using namespace lrv::testing;
namespace fs = std::filesystem;

class EditingDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void addCategoryRefusesAnExistingTitleThenAdds() {
    EditingWindow e;
    const int categories = e.c().RootCount();
    const QString existing = Q(e.c().Root(0)).toUpper();
    const int entries = e.EntryCount();
    WhenOpens<TfmAddCat>([&](TfmAddCat& d) {
      QCOMPARE(d.windowTitle(), QStringLiteral("Добавление"));
      QVERIFY(d.rbAddCat->isChecked());  // nothing selected
      d.btHelp->click();
      QCOMPARE(e.f.help.contexts, std::vector<int>{8});
      d.edCatName->setText(QStringLiteral("  ") + existing);
      d.btOk->click();
      QVERIFY(d.isVisible());  // refused: stays open with the trimmed text
      QCOMPARE(d.edCatName->text(), existing);
      QCOMPARE(e.f.prompter.Last()->text, std::string("Категория с таким названием уже существует!"));
      QCOMPARE(e.f.prompter.Last()->helpContext, 32);
      d.edCatName->setText(QStringLiteral("Сети и протоколы  "));
      d.btOk->click();
      QVERIFY(!d.isVisible());
    });
    QVERIFY(e.w().commands().Execute("acAddCategory"));
    QCOMPARE(e.c().RootCount(), categories + 1);
    CatalogueNode* added = e.c().SelectedNode(0);
    QVERIFY(added && added->IsCategory());
    QCOMPARE(added->Title(), A("Сети и протоколы"));
    QCOMPARE(added->Value(ColCount), std::string("0"));
    QCOMPARE(e.EntryCount(), entries + 1);
    QCOMPARE(e.LastOperation(), Op(JournalOp::AddCategory));
    QCOMPARE(e.w().pnCatsCount->text(), QStringLiteral("Категорий: %1").arg(categories + 1));
  }

  void addSubcategoryStartsFromTheSelectedArticle() {
    EditingWindow e;
    CatalogueNode* sub = SubcategoryWith(e.c(), 1);
    CatalogueNode* category = sub->Parent();
    const int children = category->ChildCount();
    e.Select(sub->Child(0));
    WhenOpens<TfmAddCat>([&](TfmAddCat& d) {
      QVERIFY(d.rbAddSubCat->isChecked());
      QCOMPARE(d.cbCats->currentText(), Q(category));
      QVERIFY(d.edCatName->isReadOnly());  // the category field is switched off
      // A subcategory title that exists in any category is refused.
      d.edSubCatName->setText(Q(OtherSubcategory(e.c(), sub)));
      d.btOk->click();
      QCOMPARE(e.f.prompter.Last()->helpContext, 33);
      QVERIFY(d.isVisible());
      d.edSubCatName->setText(QStringLiteral("Новая подкатегория"));
      d.btOk->click();
    });
    QVERIFY(e.w().commands().Execute("acAddCategory"));
    QCOMPARE(category->ChildCount(), children + 1);
    QCOMPARE(category->Value(ColCount), std::to_string(children + 1));
    QVERIFY(category->Expanded());
    QCOMPARE(e.c().SelectedCount(), 1);
    QCOMPARE(e.c().SelectedNode(0)->Title(), A("Новая подкатегория"));
    QCOMPARE(e.LastOperation(), Op(JournalOp::AddSubcategory));
  }

  void addCategoryToAnEmptyCatalogueOffersOnlyTheCategory() {
    EditingWindow e;
    e.f.prompter.Reply(Answer::Ok).Reply(Answer::Cancel);  // clear: yes; notes: keep
    QVERIFY(e.w().commands().Execute("acTreeClear"));
    QVERIFY(e.c().Empty());
    WhenOpens<TfmAddCat>([&](TfmAddCat& d) {
      QVERIFY(d.rbAddSubCat->isHidden());
      QVERIFY(d.gbAddSubCat->isHidden());
      QCOMPARE(d.gbAddCat->title(), QStringLiteral("Добавить новую категорию"));
      d.btOk->click();  // empty name
      QCOMPARE(e.f.prompter.Last()->text, std::string("Введите название категории!"));
      QCOMPARE(e.f.prompter.Last()->helpContext, 68);
      d.edCatName->setText(QStringLiteral("Первая"));
      d.btOk->click();
    });
    QVERIFY(e.w().commands().Execute("acAddCategory"));
    QCOMPARE(e.c().RootCount(), 1);
    QCOMPARE(e.w().pnCatsCount->text(), QStringLiteral("Категорий: 1"));
  }

  void cancelChangesNothing() {
    EditingWindow e;
    const int entries = e.EntryCount();
    WhenOpens<TfmAddCat>([](TfmAddCat& d) {
      d.edCatName->setText(QStringLiteral("Не будет"));
      QTest::keyClick(&d, Qt::Key_Escape);
    });
    QVERIFY(e.w().commands().Execute("acAddCategory"));
    QVERIFY(e.f.prompter.messages.empty());
    QCOMPARE(e.EntryCount(), entries);
  }

  void addArticleChecksTheFileThenAdds() {
    EditingWindow e;
    CatalogueNode* sub = SubcategoryWith(e.c(), 1);
    const int articles = sub->ChildCount();
    WriteFileAtomic(e.f.Base() / "new_page.html", "<html></html>");
    e.Select(sub);
    WhenOpens<TfmAddArticle>([&](TfmAddArticle& d) {
      QCOMPARE(d.windowTitle(), QStringLiteral("Добавление статьи"));
      QCOMPARE(d.pcMain->count(), 3);  // "Важно" in add mode
      QCOMPARE(d.cbCats->currentText(), Q(sub->Parent()));
      QCOMPARE(d.lbSubCats->currentItem()->text(), Q(sub));
      QVERIFY(d.rbNew->isChecked());
      d.btOk->click();
      QCOMPARE(e.f.prompter.Last()->text, std::string("Введите название статьи!"));
      QCOMPARE(e.f.prompter.Last()->helpContext, 79);
      d.edName->setText(QStringLiteral("Новая статья"));
      // A file picked in another folder gives only its name; BaseDir lacks it.
      d.ChooseFileDialog = [](const QString&, const QString&) { return QStringLiteral("/elsewhere/other.html"); };
      d.btChooseFile->click();
      QCOMPARE(d.edFileName->text(), QStringLiteral("other.html"));
      d.btOk->click();
      QCOMPARE(e.f.prompter.Last()->helpContext, 51);
      QVERIFY(e.f.prompter.Last()->text.starts_with("Присваиваемый статье файл\n\r\"other.html\""));
      QCOMPARE(d.pcMain->currentWidget(), d.tsProperties);
      d.edFileName->setText(QStringLiteral("new_page.html"));
      d.rbFav->setChecked(true);
      d.btOk->click();
      QVERIFY(!d.isVisible());
    });
    QVERIFY(e.w().commands().Execute("acAddArticle"));
    QCOMPARE(sub->ChildCount(), articles + 1);
    CatalogueNode* added = e.c().SelectedNode(0);
    QCOMPARE(added->Title(), A("Новая статья"));
    QCOMPARE(added->Value(ColFileName), std::string("new_page.html"));
    QCOMPARE(added->Value(ColState), std::string("1"));
    QCOMPARE(added->Parent(), sub);
    QCOMPARE(e.LastOperation(), Op(JournalOp::AddArticle));
    QCOMPARE(e.w().pnArticlesCount->text(), QStringLiteral("Статей в архиве: %1").arg(ArticleCount(e.c())));
  }

  void droppedPageOpensTheAddDialogWithItsName() {
    EditingWindow e;
    WriteFileAtomic(e.f.Base() / "dropped.html", "<html></html>");
    const int before = ArticleCount(e.c());
    WhenOpens<TfmAddArticle>([&](TfmAddArticle& d) {
      QCOMPARE(d.edFileName->text(), QStringLiteral("dropped.html"));
      QVERIFY(d.rbNew->isChecked());
      d.edName->setText(QStringLiteral("Брошенная статья"));
      d.btOk->click();
    });
    e.w().DropFiles({e.f.Base() / "dropped.html"});
    CatalogueNode* added = e.c().SelectedNode(0);
    QVERIFY(added && added->IsArticle());
    QCOMPARE(added->Value(ColState), std::string("2"));
    QCOMPARE(ArticleCount(e.c()), before + 1);
    QCOMPARE(e.w().pnArticlesCount->text(), QStringLiteral("Статей в архиве: %1").arg(before + 1));
  }

  void propertiesChangeTheStateInPlace() {
    EditingWindow e;
    CatalogueNode* article = SubcategoryWith(e.c(), 1)->Child(0);
    const std::string title = article->Title();
    e.Select(article);
    WhenOpens<TfmAddArticle>([&](TfmAddArticle& d) {
      QCOMPARE(d.windowTitle(), QStringLiteral("Редактирование свойств статьи"));
      QCOMPARE(d.pcMain->count(), 2);  // no "Важно"
      QCOMPARE(d.edName->text(), Q(article));
      d.rbRea->setChecked(true);
      d.btOk->click();
    });
    QVERIFY(e.w().commands().Execute("acArticlesProperties"));
    QCOMPARE(e.c().SelectedNode(0), article);  // the same node, changed in place
    QCOMPARE(article->Value(ColState), std::string("3"));
    QCOMPARE(article->Title(), title);
    QCOMPARE(e.LastOperation(), Op(JournalOp::ArticleProperties));
  }

  void moveTwoArticlesToAnotherSubcategory() {
    EditingWindow e;
    CatalogueNode* from = SubcategoryWith(e.c(), 3);
    QVERIFY(from);
    CatalogueNode* to = OtherSubcategory(e.c(), from);
    const int fromCount = from->ChildCount(), toCount = to->ChildCount();
    CatalogueNode* a = from->Child(0);
    CatalogueNode* b = from->Child(1);
    const std::string aTitle = a->Title(), bTitle = b->Title();
    e.Select(a);
    e.c().Select(b);
    WhenOpens<TfmMove>([&](TfmMove& d) {
      QCOMPARE(d.windowTitle(), QStringLiteral("Перемещение [2]"));
      QCOMPARE(d.cbCats->currentText(), Q(from->Parent()));
      QCOMPARE(d.cbSubCats->currentText(), Q(from));
      d.cbCats->setCurrentIndex(d.cbCats->findText(Q(to->Parent())));
      d.cbSubCats->setCurrentIndex(d.cbSubCats->findText(Q(to)));
      d.btOk->click();
    });
    QVERIFY(e.w().commands().Execute("acMove"));
    QCOMPARE(from->ChildCount(), fromCount - 2);
    QCOMPARE(to->ChildCount(), toCount + 2);
    QCOMPARE(to->Value(ColCount), std::to_string(toCount + 2));
    CatalogueNode* last = e.c().SelectedNode(0);
    QCOMPARE(last->Parent(), to);
    QVERIFY(last->Title() == aTitle || last->Title() == bTitle);
    QCOMPARE(e.LastOperation(), Op(JournalOp::Move));
    QVERIFY(e.w().findChildren<TfmProgress*>().isEmpty());  // the progress window has gone
    QVERIFY(e.w().tlMain->updatesEnabled());
  }

  void findSubcategorySelectsTheChosenOne() {
    EditingWindow e;
    CatalogueNode* target = SubcategoryWith(e.c(), 2);
    QVERIFY(target);
    e.c().SetExpanded(target->Parent(), false);
    e.Select(e.c().Root(0));
    WhenOpens<TfmMove>([&](TfmMove& d) {
      QCOMPARE(d.windowTitle(), QStringLiteral("Найти подкатегорию"));
      QCOMPARE(d.cbCats->count(), e.c().RootCount());
      QCOMPARE(d.cbCats->currentIndex(), 0);
      QVERIFY(d.cbSubCats->isVisible());
      d.cbCats->setCurrentIndex(d.cbCats->findText(Q(target->Parent())));
      d.cbSubCats->setCurrentIndex(d.cbSubCats->findText(Q(target)));
      d.btOk->click();
    });
    QVERIFY(e.w().commands().Execute("acFindSubCat"));
    QCOMPARE(e.c().SelectedCount(), 1);
    QCOMPARE(e.c().SelectedNode(0), target);
    QCOMPARE(e.c().Focused(), target);
    QVERIFY(target->Parent()->Expanded());
    // It sits in the search menu after the two choosers.
    QVERIFY(e.w().menuBar()->findChild<QMenu*>(QStringLiteral("miSelect"))->actions().contains(
        e.w().commands()["acFindSubCat"]));
  }

  void moveWithOneSubcategoryIsRefused() {
    EditingWindow e;
    e.f.prompter.Reply(Answer::Ok).Reply(Answer::Cancel);
    QVERIFY(e.w().commands().Execute("acTreeClear"));
    Catalogue& c = e.c();
    CatalogueNode* category = c.AddRoot();
    c.SetValue(category, ColTitle, "A");
    CatalogueNode* sub = c.AddChild(category);
    c.SetValue(sub, ColTitle, "S");
    CatalogueNode* article = c.AddChild(sub);
    c.SetValue(article, ColTitle, "T");
    e.Select(article);
    e.f.prompter.Clear();
    QVERIFY(e.w().commands().Execute("acMove"));
    QCOMPARE(e.f.prompter.Last()->text,
             std::string("Перемещение не может быть произведено, т.к. есть только одна подкатегория"));
    QCOMPARE(e.f.prompter.Last()->helpContext, 44);
    QVERIFY(e.w().tlMain->updatesEnabled());
  }
};

int RunEditingDialogTests(int argc, char** argv) {
  EditingDialogsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "editing_dialogs_test.moc"
