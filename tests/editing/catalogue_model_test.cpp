// The model adapter and the node pictures, without a window.

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include "catalogue/catalogue_rules.h"
#include "editing/ui/catalogue_model.h"
#include "editing/ui/tree_images.h"
#include "tree_test_support.h"

using namespace lrv;
using lrv::test::A;
using lrv::test::AddNode;
using lrv::test::SmallCatalogue;

namespace {

// Which ilTree picture a decoration is (-1: none of them).
int PictureIndex(const CatalogueModel& model, const QVariant& decoration) {
  const qint64 key = decoration.value<QPixmap>().cacheKey();
  for (int i = 0; i < TreeImages::kCount; ++i)
    if (model.Images().Pixmap(i).cacheKey() == key) return i;
  return -1;
}

int Shown(const CatalogueModel& model, const CatalogueNode* node) {
  return PictureIndex(model, model.data(model.IndexFromNode(node), Qt::DecorationRole));
}

double MeanLightness(const QImage& image) {
  double sum = 0;
  int count = 0;
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      const QColor c = QColor::fromRgba(argb.pixel(x, y));
      if (c.alpha() < 128) continue;
      sum += c.lightnessF();
      ++count;
    }
  return count == 0 ? 0 : sum / count;
}

}  // namespace

class CatalogueModelTest : public QObject {
  Q_OBJECT
 private slots:
  void indexesAndNodesRoundTrip() {
    SmallCatalogue s;
    CatalogueModel model(s.c);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), kColumnCount);
    int visited = 0;
    ForEachNodeOfThreeLevels(s.c, [&](CatalogueNode* node) {
      ++visited;
      const QModelIndex parent = model.IndexFromNode(node->Parent());
      const QModelIndex index = model.index(node->Row(), ColTitle, parent);
      QCOMPARE(model.NodeFromIndex(index), node);
      QCOMPARE(model.IndexFromNode(node), index);
      QCOMPARE(model.parent(index), parent);
      QCOMPARE(model.parent(model.index(node->Row(), ColState, parent)), parent);
      QCOMPARE(model.rowCount(index), node->ChildCount());
      QVERIFY(!(model.flags(index) & Qt::ItemIsEditable));
    });
    QCOMPARE(visited, 11);
    QVERIFY(!model.index(2, 0).isValid());
    QVERIFY(!model.index(0, kColumnCount).isValid());
    QCOMPARE(model.NodeFromIndex(QModelIndex()), nullptr);
  }

  void displaysArchiveBytesAsText() {
    SmallCatalogue s;
    CatalogueModel model(s.c);
    QCOMPARE(model.data(model.IndexFromNode(s.yolka)).toString(), QStringLiteral("Ёлка"));
    QCOMPARE(model.data(model.IndexFromNode(s.programming)).toString(), QStringLiteral("Программирование"));
    QCOMPARE(model.data(model.IndexFromNode(s.zeta, ColCount)).toString(), QStringLiteral("3"));
    QCOMPARE(model.data(model.IndexFromNode(s.tcp, ColFileName)).toString(), QStringLiteral("tcp.html"));
    QCOMPARE(model.data(model.IndexFromNode(s.tcp, ColState)).toString(), QStringLiteral("1"));
    QCOMPARE(model.data(model.IndexFromNode(s.tcp, ColLook)).toString(), QString());
    // Byte 0x98 has no Windows-1251 letter; it still shows as one character.
    s.c.SetValue(s.udp, ColTitle, std::string("x\x98y"));
    QCOMPARE(model.data(model.IndexFromNode(s.udp)).toString().size(), 3);

    QCOMPARE(model.data(model.IndexFromNode(s.zeta, ColCount), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::Alignment(Qt::AlignCenter));
    model.SetColours(QColor(Qt::darkGray), QColor(Qt::blue));
    QCOMPARE(model.data(model.IndexFromNode(s.zeta, ColCount), Qt::ForegroundRole).value<QColor>(),
             QColor(Qt::darkGray));
    QVERIFY(!model.data(model.IndexFromNode(s.zeta, ColTitle), Qt::ForegroundRole).isValid());
    QVERIFY(!model.data(model.IndexFromNode(s.zeta, ColCount), Qt::DecorationRole).isValid());
  }

  void headerCaptionsAndHints() {
    SmallCatalogue s;
    CatalogueModel model(s.c);
    const QStringList captions{QStringLiteral("  Названия"), QString(), QStringLiteral("Имя файла"),
                               QStringLiteral("Состояние"), QStringLiteral("Просмотренная статья")};
    for (int column = 0; column < kColumnCount; ++column)
      QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), captions[column]);
    QCOMPARE(model.headerData(ColTitle, Qt::Horizontal, Qt::ToolTipRole).toString(),
             QStringLiteral("Названия категорий и статей"));
    for (int column = ColCount; column < kColumnCount; ++column)
      QCOMPARE(model.headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString(),
               QStringLiteral("Количество вложений"));
    QCOMPARE(model.headerData(ColCount, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::Alignment(Qt::AlignCenter));
  }

  void picturesFollowStateExpansionAndHighlight() {
    SmallCatalogue s;
    CatalogueModel model(s.c);
    struct Case {
      const char* state;
      int picture;
    };
    // The state text decides exactly; anything unknown is "not read".
    for (const Case& c : {Case{"", 4}, Case{"1", 8}, Case{"2", 6}, Case{"3", 10}, Case{"4", 4}, Case{" 1", 4}}) {
      s.c.SetValue(s.yolka, ColState, c.state);
      QCOMPARE(Shown(model, s.yolka), c.picture);
    }
    QCOMPARE(Shown(model, s.zeta), 0);
    s.c.SetExpanded(s.zeta, true);
    QCOMPARE(Shown(model, s.zeta), 2);
    s.c.SetFocused(s.zeta);
    QCOMPARE(Shown(model, s.zeta), 3);
    s.c.SetExpanded(s.zeta, false);
    QCOMPARE(Shown(model, s.zeta), 1);

    QCOMPARE(Shown(model, s.tcp), 8);
    s.c.Select(s.tcp);
    QCOMPARE(Shown(model, s.tcp), 9);
    QCOMPARE(Shown(model, s.udp), 10);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.SetHotTracked(s.udp);
    QCOMPARE(Shown(model, s.udp), 11);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex(), model.IndexFromNode(s.udp));
    model.SetHotTracked(s.udp);  // no change, no repaint
    QCOMPARE(changed.count(), 1);
  }

  void hotArticleTitleIsDrawnInTheHotColour() {
    SmallCatalogue s;
    CatalogueModel model(s.c);
    model.SetColours(QColor(Qt::gray), QColor(10, 20, 200));
    model.SetHotTracked(s.tcp);
    QCOMPARE(model.data(model.IndexFromNode(s.tcp), Qt::ForegroundRole).value<QColor>(), QColor(10, 20, 200));
    // Categories and subcategories keep their colours under the mouse.
    model.SetHotTracked(s.protocols);
    QVERIFY(!model.data(model.IndexFromNode(s.protocols), Qt::ForegroundRole).isValid());
    QVERIFY(!model.data(model.IndexFromNode(s.tcp), Qt::ForegroundRole).isValid());
  }

  void resultListPicturesEveryRowAsAnArticle() {
    Catalogue rows;
    CatalogueNode* favourite = AddNode(rows, nullptr, "Статья", "1", "a.html");
    CatalogueNode* plain = AddNode(rows, nullptr, "Другая", "", "b.html");
    CatalogueModel model(rows, CatalogueModel::Rows::FlatArticleList);
    QCOMPARE(Shown(model, favourite), 8);
    QCOMPARE(Shown(model, plain), 4);
    QVERIFY(model.IsArticleRow(*favourite));
    rows.SetFocused(plain);
    QCOMPARE(Shown(model, plain), 5);
  }

  void structureChangesReachTheModel() {
    SmallCatalogue s;
    CatalogueModel model(s.c);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy layouts(&model, &QAbstractItemModel::layoutChanged);

    CatalogueNode* added = AddNode(s.c, s.alpha, "Новая");
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.first().at(0).toModelIndex(), model.IndexFromNode(s.alpha));
    QCOMPARE(inserted.first().at(1).toInt(), 1);
    QCOMPARE(model.NodeFromIndex(model.index(1, 0, model.IndexFromNode(s.alpha))), added);

    // A persistent index follows its node through a re-sort.
    const QPersistentModelIndex kept(model.IndexFromNode(s.yolka));
    QCOMPARE(kept.row(), 0);
    s.c.SetSortMark(ColTitle, SortMark::Descending);
    QCOMPARE(layouts.count(), 1);
    QCOMPARE(model.NodeFromIndex(kept), s.yolka);
    QCOMPARE(kept.row(), 2);

    QVERIFY(s.c.MoveNode(s.readme, s.zeta));
    QCOMPARE(model.NodeFromIndex(model.index(3, 0, model.IndexFromNode(s.zeta))), s.readme);
    s.c.DeleteNode(s.protocols);
    QCOMPARE(removed.count(), 2);  // the move's and the deletion's
    QCOMPARE(model.rowCount(model.IndexFromNode(s.networks)), 0);
    QCOMPARE(resets.count(), 0);

    Catalogue other;
    AddNode(other, nullptr, "Одна");
    s.c.ReplaceWith(std::move(other));
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rowCount(), 1);
  }

  void batchOfInsertionsIsOneReset() {
    SmallCatalogue s;
    CatalogueModel model(s.c);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    {
      CatalogueBatch batch(s.c);
      for (int i = 0; i < 1000; ++i) AddNode(s.c, s.alpha, "Статья " + std::to_string(i));
    }
    QCOMPARE(resets.count(), 1);
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(model.rowCount(model.IndexFromNode(s.alpha)), 1001);
  }

  void treePicturesAreDistinctAndTheOddOnesLighter() {
    const TreeImages images;
    for (int i = 0; i < TreeImages::kCount; ++i) {
      const QImage image = images.Pixmap(i).toImage();
      QCOMPARE(image.size(), QSize(16, 16));
      QVERIFY2(MeanLightness(image) > 0, qPrintable(QString("picture %1 is empty").arg(i)));
      for (int j = 0; j < i; ++j)
        QVERIFY2(image != images.Pixmap(j).toImage(), qPrintable(QString("pictures %1 and %2 equal").arg(j).arg(i)));
    }
    for (int i = 0; i < TreeImages::kCount; i += 2)
      QVERIFY2(MeanLightness(images.Pixmap(i + 1).toImage()) > MeanLightness(images.Pixmap(i).toImage()),
               qPrintable(QString("picture %1 is not lighter than %2").arg(i + 1).arg(i)));
    QVERIFY(images.Pixmap(12).isNull());
    QVERIFY(images.Pixmap(-1).isNull());
    // Sharp on a doubled screen: twice the pixels, the same size on screen.
    const QImage doubled = DrawTreeImage(4, 2.0);
    QCOMPARE(doubled.size(), QSize(32, 32));
    QCOMPARE(doubled.deviceIndependentSize(), QSizeF(16, 16));
  }
};

int RunCatalogueModelTests(int argc, char** argv) {
  CatalogueModelTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "catalogue_model_test.moc"
