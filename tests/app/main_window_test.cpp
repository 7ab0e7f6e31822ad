#include <QApplication>
#include <QtTest>

#include "app/main_window.h"

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void opensWithItsTitleAndClassName() {
    lrv::TfmLrvMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Lorvane 6 Pro"));
    QCOMPARE(window.objectName(), QStringLiteral("TfmLrvMain"));
    QVERIFY(window.close());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
