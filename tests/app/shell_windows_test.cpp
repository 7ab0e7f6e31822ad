// The small windows of the application shell: progress, close-wait, splash.
#include <QApplication>
#include <QScreen>
#include <QtTest>

#include "app/progress_window.h"
#include "app/splash_window.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_system_info.h"

using namespace lrv;

class ShellWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void progressOpensCentredThenWhereItWasLeft() {
    FakeRegistry registry;
    const QRect screen = QApplication::primaryScreen()->geometry();
    {
      TfmProgress first(registry, nullptr);
      QCOMPARE(first.pos(), QPoint((screen.width() - 366) / 2, (screen.height() - 114) / 2));
      first.ShowNow();
      first.move(12, 34);
      first.hide();  // every hiding records the position
    }
    QCOMPARE(registry.ReadInteger(RegistryRoot::CurrentUser, kSettingsKey, "ProgressFormLeft"), 12);
    QCOMPARE(registry.ReadInteger(RegistryRoot::CurrentUser, kSettingsKey, "ProgressFormTop"), 34);
    TfmProgress second(registry, nullptr);
    QCOMPARE(second.pos(), QPoint(12, 34));
  }

  void progressUsesAFarAwayPositionUnchanged() {
    FakeRegistry registry;
    registry.WriteInteger(RegistryRoot::CurrentUser, kSettingsKey, "ProgressFormLeft", 5000);
    TfmProgress progress(registry, nullptr);
    QCOMPARE(progress.x(), 5000);
    QCOMPARE(progress.y(), (QApplication::primaryScreen()->geometry().height() - 114) / 2);
  }

  void escReachesOnlyARegisteredCancelTarget() {
    FakeRegistry registry;
    TfmProgress progress(registry, nullptr);
    progress.ShowNow();
    QTest::keyClick(&progress, Qt::Key_Escape);
    QVERIFY(progress.isVisible());  // no target: nothing happens, nothing closes
    int cancelled = 0;
    progress.SetCancelTarget([&] { ++cancelled; });
    QTest::keyClick(&progress, Qt::Key_Escape);
    QTest::keyClick(&progress, Qt::Key_Return);
    QCOMPARE(cancelled, 1);
    QVERIFY(progress.isVisible());
  }

  void progressControlsStartAsTheCallersExpect() {
    FakeRegistry registry;
    TfmProgress progress(registry, nullptr);
    QCOMPARE(progress.size(), QSize(366, 114));
    QCOMPARE(progress.Progress1->maximum(), 100);
    QCOMPARE(progress.Progress2->value(), 0);
    QCOMPARE(progress.lbCaption->text(), QStringLiteral("Перемещение"));
  }

  void closeWaitRefusesToCloseUntilClosable() {
    TfmCloseWait wait;
    wait.ShowNow();
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QVERIFY(!wait.close());
    QVERIFY(wait.isVisible());
    wait.SetClosable(true);
    QVERIFY(wait.close());
  }

  void splashShowsTheComputerAndRefusesEarlyClosing() {
    FakeSystemInfo info;
    info.version = {OsPlatform::WindowsNtFamily, "", 5, 1, 2600, "Service Pack 2"};
    info.memoryBytes = 524288ull * 1024;
    FakeShell shell;
    TfmSplash splash(info, shell);
    splash.ShowNow();
    QCOMPARE(splash.size(), QSize(448, 230));
    QCOMPARE(splash.lbWin->text(), QStringLiteral("Windows NT 5.1 (Build 2600: Service Pack 2)"));
    QVERIFY(splash.lbMem->text().startsWith(QStringLiteral("524")));
    QVERIFY(splash.lbMem->text().endsWith(QStringLiteral("288 KB")));
    QVERIFY(splash.imPhoto->isHidden());
    QVERIFY(splash.lbThanks->isHidden());

    QTest::keyClick(&splash, Qt::Key_Escape);
    QTest::keyClick(&splash, Qt::Key_Return);
    QTest::mouseClick(splash.Image1, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(splash.isVisible());

    QTest::mouseClick(splash.lbEmail, Qt::LeftButton);
    QTest::mouseClick(splash.lbSite, Qt::LeftButton);
    QCOMPARE(shell.urls.size(), size_t(2));
    QCOMPARE(QString::fromStdString(shell.urls[0]), QStringLiteral("mailto:") + splash.lbEmail->text());
    QCOMPARE(QString::fromStdString(shell.urls[1]), splash.lbSite->text());

    splash.SetClosable(true);
    QTest::keyClick(&splash, Qt::Key_Escape);
    QVERIFY(!splash.isVisible());
  }
};

QTEST_MAIN(ShellWindowsTest)
#include "shell_windows_test.moc"
