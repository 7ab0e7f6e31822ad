// The tree control in a real (offscreen) window: pictures, sorting,
// selection among siblings, keys and mouse, and the catalogue's view state
// in step with the control both ways.

#include <QElapsedTimer>
#include <QHeaderView>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "catalogue/catalogue_rules.h"
#include "editing/ui/catalogue_model.h"
#include "editing/ui/catalogue_tree.h"
#include "editing/ui/tree_images.h"
#include "tree_test_support.h"

using namespace lrv;
using lrv::test::A;
using lrv::test::AddNode;
using lrv::test::SmallCatalogue;

namespace {

int Shown(const TCatalogueTree& tree, const CatalogueNode* node) {
  const CatalogueModel& model = *tree.Model();
  const qint64 key = model.data(model.IndexFromNode(node), Qt::DecorationRole).value<QPixmap>().cacheKey();
  for (int i = 0; i < TreeImages::kCount; ++i)
    if (model.Images().Pixmap(i).cacheKey() == key) return i;
  return -1;
}

QStringList Titles(const TCatalogueTree& tree, const CatalogueNode* parent) {
  QStringList titles;
  const QModelIndex p = tree.IndexFromNode(parent);
  for (int row = 0; row < tree.model()->rowCount(p); ++row) titles << tree.model()->index(row, 0, p).data().toString();
  return titles;
}

QPoint CentreOf(TCatalogueTree& tree, const CatalogueNode* node) {
  tree.scrollTo(tree.IndexFromNode(node));
  return tree.visualRect(tree.IndexFromNode(node)).center();
}

QPoint HeaderPoint(TCatalogueTree& tree, int column) {
  QHeaderView* h = tree.header();
  return QPoint(h->sectionViewportPosition(column) + h->sectionSize(column) / 2, h->height() / 2);
}

void Click(TCatalogueTree& tree, const CatalogueNode* node, Qt::KeyboardModifiers modifiers = {}) {
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, modifiers, CentreOf(tree, node));
}

void MoveMouse(TCatalogueTree& tree, const QPoint& pos) {
  QMouseEvent move(QEvent::MouseMove, pos, tree.viewport()->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(tree.viewport(), &move);
}

QList<const CatalogueNode*> ShownSelection(const TCatalogueTree& tree) {
  QList<const CatalogueNode*> nodes;
  for (const QModelIndex& i : tree.selectionModel()->selectedRows()) nodes << tree.NodeFromIndex(i);
  return nodes;
}

// The tree with its small catalogue, shown and with every node expanded.
struct ShownTree {
  SmallCatalogue s;
  std::unique_ptr<TCatalogueTree> tree;
  explicit ShownTree(bool expandAll = true) {
    tree = std::make_unique<TCatalogueTree>(s.c);
    tree->resize(320, 400);
    tree->show();
    if (!QTest::qWaitForWindowExposed(tree.get())) qFatal("the tree window was not shown");
    s.c.SetFocused(nullptr);  // the control focuses the first row when it gets the keyboard
    if (expandAll) tree->SetAllExpanded(true);
  }
};

}  // namespace

class CatalogueTreeTest : public QObject {
  Q_OBJECT
 private slots:
  void showsTitleAndCountColumnsOnly() {
    SmallCatalogue s;
    TCatalogueTree tree(s.c);
    QCOMPARE(tree.objectName(), QStringLiteral("tlMain"));
    QVERIFY(!tree.isColumnHidden(ColTitle));
    QVERIFY(!tree.isColumnHidden(ColCount));
    for (int column = ColFileName; column < kColumnCount; ++column) QVERIFY(tree.isColumnHidden(column));
    QCOMPARE(tree.header()->sectionSize(ColCount), 12);
    QCOMPARE(tree.header()->sectionResizeMode(ColTitle), QHeaderView::Stretch);
    QCOMPARE(tree.selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(tree.selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(tree.editTriggers(), QAbstractItemView::NoEditTriggers);
    // Selected rows: window background, lightened highlight text, also unfocused.
    const QColor base = QApplication::palette(&tree).color(QPalette::Active, QPalette::Base);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      QCOMPARE(tree.palette().color(group, QPalette::Highlight), base);
      QCOMPARE(tree.palette().color(group, QPalette::HighlightedText), test::LightenedHighlight(&tree));
    }
    QCOMPARE(tree.header()->sortIndicatorSection(), int(ColTitle));
    QCOMPARE(tree.header()->sortIndicatorOrder(), Qt::AscendingOrder);
  }

  void picturesFollowFocusAndExpansion() {
    ShownTree w(false);
    TCatalogueTree& tree = *w.tree;
    tree.expand(tree.IndexFromNode(w.s.programming));
    QVERIFY(w.s.programming->Expanded());  // the catalogue follows the control
    QCOMPARE(w.s.programming->ImageIndex(), 2);
    QCOMPARE(Shown(tree, w.s.zeta), 0);
    tree.expand(tree.IndexFromNode(w.s.zeta));
    QCOMPARE(Shown(tree, w.s.zeta), 2);
    QCOMPARE(w.s.zeta->ImageIndex(), 2);  // stored by RefreshNodeImage

    // A new article: plain page; focused and selected, the lighter one.
    QCOMPARE(Shown(tree, w.s.yolka), 4);
    Click(tree, w.s.yolka);
    QCOMPARE(w.s.c.Focused(), w.s.yolka);
    QCOMPARE(Shown(tree, w.s.yolka), 5);
    QCOMPARE(w.s.yolka->ImageIndex(), 5);
    QCOMPARE(w.s.yolka->SelectedIndex(), 5);

    Click(tree, w.s.zeta);
    QCOMPARE(Shown(tree, w.s.zeta), 3);
    tree.collapse(tree.IndexFromNode(w.s.zeta));
    QVERIFY(!w.s.zeta->Expanded());
    QCOMPARE(Shown(tree, w.s.zeta), 1);
    QCOMPARE(w.s.zeta->ImageIndex(), 1);

    // The catalogue expands a node: the control shows it at once.
    w.s.c.SetExpanded(w.s.zeta, true);
    QVERIFY(tree.isExpanded(tree.IndexFromNode(w.s.zeta)));
    QCOMPARE(w.s.zeta->ImageIndex(), 3);
  }

  void sortsByHeaderClickAndBySortMark() {
    ShownTree w;
    TCatalogueTree& tree = *w.tree;
    const QStringList ascending{QStringLiteral("Ёлка"), QStringLiteral("Арбуз"), QStringLiteral("арбуз")};
    QCOMPARE(Titles(tree, w.s.programming), (QStringList{"Zeta", "alpha"}));
    QCOMPARE(Titles(tree, w.s.zeta), ascending);

    // The title column carries the ascending mark: a click turns it round.
    QTest::mouseClick(tree.header()->viewport(), Qt::LeftButton, {}, HeaderPoint(tree, ColTitle));
    QCOMPARE(w.s.c.GetSortMark(ColTitle), SortMark::Descending);
    QCOMPARE(tree.header()->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(Titles(tree, w.s.programming), (QStringList{"alpha", "Zeta"}));
    QCOMPARE(Titles(tree, w.s.zeta), (QStringList{ascending[2], ascending[1], ascending[0]}));
    QTest::mouseClick(tree.header()->viewport(), Qt::LeftButton, {}, HeaderPoint(tree, ColTitle));
    QCOMPARE(w.s.c.GetSortMark(ColTitle), SortMark::Ascending);
    QCOMPARE(tree.header()->sortIndicatorOrder(), Qt::AscendingOrder);
    QCOMPARE(Titles(tree, w.s.zeta), ascending);

    w.s.c.SetSortMark(ColTitle, SortMark::Descending);
    QCOMPARE(Titles(tree, w.s.zeta), (QStringList{ascending[2], ascending[1], ascending[0]}));
    QCOMPARE(tree.header()->sortIndicatorOrder(), Qt::DescendingOrder);
    w.s.c.SetSortMark(ColTitle, SortMark::Ascending);
    QCOMPARE(Titles(tree, w.s.programming), (QStringList{"Zeta", "alpha"}));
  }

  void sortsCountsAsNumbers() {
    ShownTree w;
    TCatalogueTree& tree = *w.tree;
    w.s.c.SetValue(w.s.programming, ColCount, "10");
    w.s.c.SetValue(w.s.networks, ColCount, "9");
    // The count column has no mark yet: the click sets it ascending and,
    // without Shift, clears the title's.
    QTest::mouseClick(tree.header()->viewport(), Qt::LeftButton, {}, HeaderPoint(tree, ColCount));
    QCOMPARE(w.s.c.GetSortMark(ColCount), SortMark::Ascending);
    QCOMPARE(w.s.c.GetSortMark(ColTitle), SortMark::None);
    QCOMPARE(tree.header()->sortIndicatorSection(), int(ColCount));
    QCOMPARE(Titles(tree, nullptr), (QStringList{QStringLiteral("Сети"), QStringLiteral("Программирование")}));
    // With Shift the title keeps its mark; the first marked column decides.
    w.s.c.SetSortMark(ColTitle, SortMark::None, true);
    QTest::mouseClick(tree.header()->viewport(), Qt::LeftButton, Qt::ShiftModifier, HeaderPoint(tree, ColTitle));
    QCOMPARE(w.s.c.GetSortMark(ColTitle), SortMark::Ascending);
    QCOMPARE(w.s.c.GetSortMark(ColCount), SortMark::Ascending);
    QCOMPARE(tree.header()->sortIndicatorSection(), int(ColTitle));
    QCOMPARE(Titles(tree, nullptr), (QStringList{QStringLiteral("Программирование"), QStringLiteral("Сети")}));
  }

  void aResortKeepsFocusSelectionAndExpansion() {
    ShownTree w;
    TCatalogueTree& tree = *w.tree;
    tree.collapse(tree.IndexFromNode(w.s.alpha));
    Click(tree, w.s.yolka);
    Click(tree, w.s.arbuzLower, Qt::ControlModifier);
    w.s.c.SetSortMark(ColTitle, SortMark::Descending);  // alpha and Zeta change places
    QCOMPARE(tree.NodeFromIndex(tree.currentIndex()), w.s.arbuzLower);
    QCOMPARE(ShownSelection(tree).size(), 2);
    QVERIFY(ShownSelection(tree).contains(w.s.yolka));
    QVERIFY(tree.isExpanded(tree.IndexFromNode(w.s.zeta)));
    QVERIFY(!tree.isExpanded(tree.IndexFromNode(w.s.alpha)));
  }

  void ctrlClickSelectsSiblingsOnly() {
    ShownTree w;
    TCatalogueTree& tree = *w.tree;
    QSignalSpy counts(&tree, &TCatalogueTree::selectedCountChanged);
    Click(tree, w.s.arbuzUpper);
    QCOMPARE(counts.count(), 1);
    QCOMPARE(counts.last().at(0).toInt(), 1);
    QCOMPARE(counts.last().at(1).toBool(), false);

    Click(tree, w.s.yolka, Qt::ControlModifier);
    QCOMPARE(counts.count(), 2);
    QCOMPARE(counts.last().at(0).toInt(), 2);
    QCOMPARE(counts.last().at(1).toBool(), true);
    // In the order the user picked them.
    QCOMPARE(w.s.c.SelectedNode(0), w.s.arbuzUpper);
    QCOMPARE(w.s.c.SelectedNode(1), w.s.yolka);
    QCOMPARE(w.s.yolka->ImageIndex(), 5);  // selected nodes' pictures refreshed

    // Another parent cannot join.
    Click(tree, w.s.tcp, Qt::ControlModifier);
    QCOMPARE(w.s.c.SelectedCount(), 2);
    QCOMPARE(ShownSelection(tree).size(), 2);
    QVERIFY(!ShownSelection(tree).contains(w.s.tcp));
    Click(tree, w.s.readme, Qt::ControlModifier);
    QCOMPARE(w.s.c.SelectedCount(), 2);

    // A plain click starts afresh, anywhere.
    Click(tree, w.s.tcp);
    QCOMPARE(w.s.c.SelectedCount(), 1);
    QCOMPARE(w.s.c.SelectedNode(0), w.s.tcp);
    QCOMPARE(counts.last().at(0).toInt(), 1);
    QCOMPARE(counts.last().at(1).toBool(), false);

    // Ctrl+click on a selected sibling takes it out again.
    Click(tree, w.s.udp, Qt::ControlModifier);
    QCOMPARE(w.s.c.SelectedCount(), 2);
    Click(tree, w.s.udp, Qt::ControlModifier);
    QCOMPARE(w.s.c.SelectedCount(), 1);
    QCOMPARE(counts.last().at(0).toInt(), 1);
    QCOMPARE(counts.last().at(1).toBool(), true);
  }

  void shiftClickStaysAmongSiblings() {
    ShownTree w;
    TCatalogueTree& tree = *w.tree;
    Click(tree, w.s.yolka);
    // From the first article of Zeta down into alpha's article.
    Click(tree, w.s.readme, Qt::ShiftModifier);
    QCOMPARE(w.s.c.SelectedCount(), 3);  // Ёлка, Арбуз, арбуз
    for (const CatalogueNode* n : w.s.c.Selection()) QCOMPARE(n->Parent(), w.s.zeta);
    QCOMPARE(ShownSelection(tree).size(), w.s.c.SelectedCount());
    Click(tree, w.s.arbuzLower, Qt::ShiftModifier);
    QCOMPARE(w.s.c.SelectedCount(), 3);
  }

  void keysAndButtonsBecomeRequests() {
    ShownTree w;
    TCatalogueTree& tree = *w.tree;
    tree.setFocus();
    Click(tree, w.s.tcp);
    QSignalSpy open(&tree, &TCatalogueTree::openRequested);
    QSignalSpy rename(&tree, &TCatalogueTree::renameRequested);
    QSignalSpy panelMenu(&tree, &TCatalogueTree::contextMenuRequestedAtPanel);
    QSignalSpy mouseMenu(&tree, &TCatalogueTree::contextMenuRequested);

    QTest::keyClick(&tree, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&tree, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(open.count(), 0);
    QTest::keyClick(&tree, Qt::Key_Return);
    QTest::keyClick(&tree, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(open.count(), 2);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, CentreOf(tree, w.s.tcp));
    QCOMPARE(open.count(), 3);

    QTest::keyClick(&tree, Qt::Key_F2);
    QCOMPARE(rename.count(), 1);

    QTest::keyClick(&tree, Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(panelMenu.count(), 1);
    QTest::keyClick(&tree, Qt::Key_Menu);
    // Some platforms follow the key with a context-menu event: one menu only.
    QContextMenuEvent fromKey(QContextMenuEvent::Keyboard, QPoint(1, 1), tree.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&tree, &fromKey);
    QCOMPARE(panelMenu.count(), 2);
    QTest::keyClick(&tree, Qt::Key_F10);
    QCOMPARE(panelMenu.count(), 2);

    const QPoint at = CentreOf(tree, w.s.udp);
    QTest::mousePress(tree.viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(tree.viewport(), Qt::RightButton, {}, at);
    QCOMPARE(mouseMenu.count(), 1);
    QCOMPARE(mouseMenu.first().at(0).toPoint(), tree.viewport()->mapToGlobal(at));
    QCOMPARE(panelMenu.count(), 2);
  }

  void incrementalSearchFindsVisibleTitles() {
    ShownTree w;
    TCatalogueTree& tree = *w.tree;
    tree.setFocus();
    Click(tree, w.s.networks);
    QTest::keyClicks(&tree, QStringLiteral("rea"));
    QCOMPARE(tree.NodeFromIndex(tree.currentIndex()), w.s.readme);
    QCOMPARE(w.s.c.Focused(), w.s.readme);
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    tree.keyboardSearch(QStringLiteral("Прот"));
    QCOMPARE(w.s.c.Focused(), w.s.protocols);
  }

  void catalogueFocusAndSelectionMoveTheControl() {
    ShownTree w(false);
    TCatalogueTree& tree = *w.tree;
    w.s.c.SelectOnly(w.s.udp);
    w.s.c.SetFocused(w.s.udp);
    QCOMPARE(tree.NodeFromIndex(tree.currentIndex()), w.s.udp);
    QCOMPARE(ShownSelection(tree), (QList<const CatalogueNode*>{w.s.udp}));
    QVERIFY(tree.isExpanded(tree.IndexFromNode(w.s.protocols)));
    QVERIFY(w.s.protocols->Expanded() && w.s.networks->Expanded());
    QVERIFY(tree.viewport()->rect().intersects(tree.visualRect(tree.IndexFromNode(w.s.udp))));

    w.s.c.Select(w.s.tcp);
    QCOMPARE(ShownSelection(tree).size(), 2);
    w.s.c.ClearSelection();
    QVERIFY(ShownSelection(tree).isEmpty());
    w.s.c.SetFocused(nullptr);
    QVERIFY(!tree.currentIndex().isValid());
  }

  void movingAndDeletingNodesKeepsTheViewInStep() {
    ShownTree w;
    TCatalogueTree& tree = *w.tree;
    Click(tree, w.s.readme);
    QVERIFY(w.s.c.MoveNode(w.s.readme, w.s.protocols));
    QCOMPARE(w.s.c.Focused(), w.s.readme);
    QCOMPARE(tree.NodeFromIndex(tree.currentIndex()), w.s.readme);
    QCOMPARE(ShownSelection(tree), (QList<const CatalogueNode*>{w.s.readme}));
    // A moved subcategory arrives expanded when it was.
    QVERIFY(w.s.c.MoveNode(w.s.zeta, w.s.networks));
    QVERIFY(tree.isExpanded(tree.IndexFromNode(w.s.zeta)));

    QSignalSpy counts(&tree, &TCatalogueTree::selectedCountChanged);
    w.s.c.DeleteNode(w.s.protocols);
    QCOMPARE(w.s.c.SelectedCount(), 0);
    QVERIFY(!tree.currentIndex().isValid());
    QCOMPARE(counts.count(), 1);
    QCOMPARE(counts.last().at(0).toInt(), 0);
  }

  void batchOfInsertionsReachesTheViewAsOneReset() {
    ShownTree w;
    TCatalogueTree& tree = *w.tree;
    Click(tree, w.s.udp);
    QSignalSpy resets(tree.model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(tree.model(), &QAbstractItemModel::rowsInserted);
    {
      CatalogueBatch batch(w.s.c);
      for (int i = 0; i < 1000; ++i) AddNode(w.s.c, w.s.alpha, "Статья " + std::to_string(i), "2");
    }
    QCOMPARE(resets.count(), 1);
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(tree.model()->rowCount(tree.IndexFromNode(w.s.alpha)), 1001);
    // Expansion, focus and selection come back after the reset.
    QVERIFY(tree.isExpanded(tree.IndexFromNode(w.s.alpha)));
    QCOMPARE(tree.NodeFromIndex(tree.currentIndex()), w.s.udp);
    QCOMPARE(ShownSelection(tree), (QList<const CatalogueNode*>{w.s.udp}));
  }

  void expandsAndCollapsesEverything() {
    ShownTree w(false);
    TCatalogueTree& tree = *w.tree;
    tree.SetAllExpanded(true);
    for (CatalogueNode* n : {w.s.programming, w.s.networks, w.s.zeta, w.s.alpha, w.s.protocols}) {
      QVERIFY(tree.isExpanded(tree.IndexFromNode(n)));
      QCOMPARE(n->ImageIndex(), 2);
    }
    tree.SetAllExpanded(false);
    for (CatalogueNode* n : {w.s.programming, w.s.networks, w.s.zeta, w.s.alpha, w.s.protocols})
      QVERIFY(!tree.isExpanded(tree.IndexFromNode(n)));
  }

  void hotTrackingHighlightsArticles() {
    ShownTree w;
    TCatalogueTree& tree = *w.tree;
    MoveMouse(tree, CentreOf(tree, w.s.tcp));
    QCOMPARE(tree.Model()->HotTracked(), w.s.tcp);
    QCOMPARE(tree.viewport()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(Shown(tree, w.s.tcp), 9);
    QCOMPARE(tree.IndexFromNode(w.s.tcp).data(Qt::ForegroundRole).value<QColor>(), test::LightenedHighlight(&tree));

    // Over the count column of the same row: no hand.
    const QRect count = tree.visualRect(tree.model()->index(w.s.tcp->Row(), ColCount, tree.IndexFromNode(w.s.protocols)));
    MoveMouse(tree, count.center());
    QCOMPARE(tree.viewport()->cursor().shape(), Qt::ArrowCursor);

    MoveMouse(tree, CentreOf(tree, w.s.protocols));
    QCOMPARE(tree.Model()->HotTracked(), w.s.protocols);
    QCOMPARE(tree.viewport()->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(Shown(tree, w.s.tcp), 8);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(tree.viewport(), &leave);
    QCOMPARE(tree.Model()->HotTracked(), nullptr);
  }

  void headerHints() {
    ShownTree w;
    TCatalogueTree& tree = *w.tree;
    QCOMPARE(tree.HeaderHintAt(HeaderPoint(tree, ColTitle)), QStringLiteral("Названия категорий и статей"));
    QCOMPARE(tree.HeaderHintAt(HeaderPoint(tree, ColCount)), QStringLiteral("Количество вложений"));
  }

  void dropsOnlyItsOwnNodesOnANode() {
    ShownTree w;
    TCatalogueTree& tree = *w.tree;
    Click(tree, w.s.readme);
    QSignalSpy dropped(&tree, &TCatalogueTree::nodesDropped);
    const QPoint over = CentreOf(tree, w.s.protocols);
    std::unique_ptr<QMimeData> own(tree.CreateDragData());

    QDragEnterEvent enter(over, Qt::MoveAction, own.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &enter);
    QVERIFY(enter.isAccepted());
    const CatalogueNode* asked = nullptr;
    tree.SetDropFilter([&](CatalogueNode* target) {
      asked = target;
      return target->Depth() + 1 == w.s.c.SelectedNode(0)->Depth();
    });
    QDragMoveEvent overCategory(CentreOf(tree, w.s.networks), Qt::MoveAction, own.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &overCategory);
    QVERIFY(!overCategory.isAccepted());
    QCOMPARE(asked, w.s.networks);
    QDragMoveEvent overSub(over, Qt::MoveAction, own.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &overSub);
    QVERIFY(overSub.isAccepted());

    QDropEvent drop(over, Qt::MoveAction, own.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &drop);
    QCOMPARE(dropped.count(), 1);
    QCOMPARE(dropped.first().at(0).value<CatalogueNode*>(), w.s.protocols);

    // Data from anywhere else is refused.
    QMimeData foreign;
    foreign.setData(QString::fromLatin1(CatalogueModel::kNodesMimeType), "1");
    QDropEvent strange(over, Qt::MoveAction, &foreign, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &strange);
    QCOMPARE(dropped.count(), 1);
  }

  void resultListIsAFlatListOfArticles() {
    Catalogue rows;
    CatalogueNode* favourite = AddNode(rows, nullptr, "Избранная", "1", "a.html");
    AddNode(rows, nullptr, "Прочитанная", "3", "b.html");
    TCatalogueTree list(rows, TCatalogueTree::Kind::ResultList);
    list.resize(300, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    rows.SetFocused(nullptr);
    QCOMPARE(list.objectName(), QStringLiteral("tlSearch"));
    QVERIFY(!list.rootIsDecorated());
    QVERIFY(!list.isColumnHidden(ColTitle));
    for (int column = ColCount; column < kColumnCount; ++column) QVERIFY(list.isColumnHidden(column));
    QCOMPARE(Shown(list, favourite), 8);
    MoveMouse(list, CentreOf(list, favourite));
    QCOMPARE(list.viewport()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(Shown(list, favourite), 9);
    Click(list, favourite);
    QCOMPARE(favourite->ImageIndex(), 9);
    QCOMPARE(rows.Focused(), favourite);
  }

  // 100 000 articles in 12 categories and 1 000 subcategories: the control
  // takes them in one reset and expands everything. Times are information.
  void largeCatalogueLoadsAndExpands() {
    Catalogue c;
    TCatalogueTree tree(c);
    tree.resize(320, 600);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    QSignalSpy resets(tree.model(), &QAbstractItemModel::modelReset);
    QElapsedTimer timer;
    timer.start();
    CatalogueNode* lastArticle = nullptr;
    {
      CatalogueBatch batch(c);
      for (int cat = 0; cat < 12; ++cat) {
        CatalogueNode* category = AddNode(c, nullptr, "Категория " + std::to_string(cat));
        const int subs = cat < 4 ? 84 : 83;  // 4 * 84 + 8 * 83 = 1000
        for (int sub = 0; sub < subs; ++sub) {
          CatalogueNode* subcategory = AddNode(c, category, "Раздел " + std::to_string(cat) + "." + std::to_string(sub));
          for (int art = 0; art < 100; ++art)
            lastArticle = AddNode(c, subcategory, "Статья " + std::to_string(cat) + "." + std::to_string(sub) + "." +
                                                      std::to_string(art), "", "a.html");
        }
      }
      RecountChildren(c);
    }
    QCOMPARE(resets.count(), 1);
    QCOMPARE(CountCatalogue(c).articles, 100000LL);
    const qint64 built = timer.restart();
    tree.scrollToBottom();
    QCoreApplication::processEvents();
    const qint64 shown = timer.restart();

    tree.SetAllExpanded(true);
    const QModelIndex last = tree.IndexFromNode(lastArticle);
    tree.scrollTo(last);
    QCoreApplication::processEvents();
    const qint64 expanded = timer.restart();
    QVERIFY(tree.isExpanded(last.parent()));
    QVERIFY(tree.isExpanded(last.parent().parent()));
    QVERIFY(tree.viewport()->rect().intersects(tree.visualRect(last)));
    QCOMPARE(resets.count(), 1);

    tree.SetAllExpanded(false);
    tree.scrollToTop();
    QCoreApplication::processEvents();
    const qint64 collapsed = timer.elapsed();
    QVERIFY(!tree.isExpanded(last.parent()));
    qInfo("100 000 articles: built %lld ms, shown %lld ms, expanded all %lld ms, collapsed all %lld ms", built, shown,
          expanded, collapsed);
  }
};

int RunCatalogueTreeTests(int argc, char** argv) {
  CatalogueTreeTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "catalogue_tree_test.moc"
