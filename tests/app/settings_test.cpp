// What survives between runs: toolbar layout and style, window placement
// with its stored properties, the registry values.
#include <QApplication>
#include <QComboBox>
#include <QSplitter>
#include <QToolBar>
#include <QtTest>

#include "app/command_list.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "app_fixture.h"
#include "base/files.h"
#include "base/ini_file.h"

using namespace lrv;
using lrv::testing::AppFixture;
namespace fs = std::filesystem;

namespace {

void ShowAndClose(AppFixture& f, const std::function<void(TfmLrvMain&)>& whileOpen = {}) {
  TfmLrvMain window(*f.services, {});
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QApplication::processEvents();
  if (whileOpen) whileOpen(window);
  window.close();
}

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT
 private slots:
  void theImportRunKeepsTheDesignStyle() {
    // The run that imports the outline list never shows; its shutdown saves
    // the design-time style (flat), which the relaunched run then shows.
    AppFixture f;
    f.ImportSampleArchive();
    QVERIFY(!fs::exists(f.Base() / "interface.bak"));
    QCOMPARE(f.registry.ReadInteger(RegistryRoot::CurrentUser, kSettingsKey, "MenuStyle").value_or(-1),
             int(kStyleFlat));
    ShowAndClose(f, [](TfmLrvMain& w) { QCOMPARE(w.ToolbarStyleValue(), int(kStyleFlat)); });
  }

  void firstRunWritesTheInitialLayoutAndShutdownWritesEverything() {
    AppFixture f;
    f.ImportSampleArchive();
    fs::remove(f.Base() / "interface.ini");
    f.registry.DeleteKey(RegistryRoot::CurrentUser, kSettingsKey);
    ShowAndClose(f, [&](TfmLrvMain& w) {
      QVERIFY(fs::exists(f.Base() / "interface.bak"));
      QCOMPARE(w.ToolbarStyleValue(), int(kStyleEnhanced));  // no saved layout: not Windows XP
      QVERIFY(w.commands()["acInterfaceEx"]->isChecked());
      QVERIFY(!w.commands()["acInterfaceFlat"]->isChecked());
      w.commands().UpdateAll();
      QVERIFY(w.commands()["acRestoreToolbars"]->isEnabled());
      QVERIFY(w.commands().Execute("acInterfaceStandard"));
    });
    QVERIFY(fs::exists(f.Base() / "interface.ini"));
    QVERIFY(fs::exists(f.Base() / "form.ini"));
    QCOMPARE(f.registry.ReadInteger(RegistryRoot::CurrentUser, kSettingsKey, "MenuStyle").value_or(-1), 0);
    QCOMPARE(f.registry.ReadString(RegistryRoot::CurrentUser, kSettingsKey, "CurPage").value_or(""),
             std::string("about:blank"));

    // The next run shows the stored style.
    ShowAndClose(f, [](TfmLrvMain& w) {
      QCOMPARE(w.ToolbarStyleValue(), int(kStyleStandard));
      QCOMPARE(w.tbNavigation->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    });
  }

  void storedPropertiesOfOtherControlsAreKept() {
    AppFixture f;
    f.ImportSampleArchive();
    IniFile form;
    form.Write("TfmLrvMain", "pnLeft.Width", "333");
    form.Write("TfmLrvMain", "cbURLs.Items", "keep me");
    form.Write("TfmLrvMain", "acNoteLockPanel.Checked", "1");
    form.Write("TfmLrvMain", "pnNote.Height", "150");
    form.Write("TfmLrvMain", "ColTitle.Sorted", "2");  // descending
    form.Save(f.Base() / "form.ini");
    ShowAndClose(f, [](TfmLrvMain& w) {
      QCOMPARE(w.pnLeft->width(), 333);
      QCOMPARE(w.catalogue().GetSortMark(ColTitle), SortMark::Descending);
    });
    const auto saved = IniFile::Load(f.Base() / "form.ini");
    QVERIFY(saved.has_value());
    QCOMPARE(saved->Read("TfmLrvMain", "cbURLs.Items"), std::string("keep me"));
    QCOMPARE(saved->Read("TfmLrvMain", "acNoteLockPanel.Checked"), std::string("1"));
    QCOMPARE(saved->Read("TfmLrvMain", "pnNote.Height"), std::string("150"));
    QCOMPARE(saved->Read("TfmLrvMain", "pnLeft.Width"), std::string("333"));
    QCOMPARE(saved->Read("TfmLrvMain", "ColTitle.Sorted"), std::string("2"));
  }

  void aSavedWebAddressIsNotReopenedButAFileIs() {
    AppFixture f;
    f.ImportSampleArchive();
    f.registry.WriteString(RegistryRoot::CurrentUser, kSettingsKey, "CurPage", "http://lorvane.example.org/");
    ShowAndClose(f, [](TfmLrvMain& w) { QCOMPARE(w.cbURLs->currentText(), QStringLiteral("about:blank")); });
    const std::string page = (f.Base() / "binary_search.html").string();
    f.registry.WriteString(RegistryRoot::CurrentUser, kSettingsKey, "CurPage", page);
    ShowAndClose(f, [&](TfmLrvMain& w) { QCOMPARE(w.cbURLs->currentText(), QString::fromStdString(page)); });
  }

  void restoringTheInitialLayoutAsksAndNeedsTheCopy() {
    AppFixture f;
    f.ImportSampleArchive();
    ShowAndClose(f);  // writes interface.bak and interface.ini
    fs::remove(f.Base() / "interface.ini");
    ShowAndClose(f, [&](TfmLrvMain& w) {
      QVERIFY(!w.tbAddress->isHidden());  // the design layout
      w.tbAddress->hide();
      f.prompter.Reply(Answer::Cancel);
      QVERIFY(w.commands().Execute("acRestoreToolbars"));
      QVERIFY(w.tbAddress->isHidden());
      f.prompter.Reply(Answer::Ok);
      QVERIFY(w.commands().Execute("acRestoreToolbars"));
      QVERIFY(!w.tbAddress->isHidden());
      QCOMPARE(f.prompter.messages.back().helpContext, 63);
      fs::remove(f.Base() / "interface.bak");
      QVERIFY(!w.commands().Execute("acRestoreToolbars"));  // disabled without the copy
    });
  }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
