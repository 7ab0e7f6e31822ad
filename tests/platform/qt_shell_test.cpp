#include <QImage>
#include <QStandardPaths>
#include <QtTest>

#include "base/files.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_text.h"

namespace lrv {

class QtShellTest : public QObject {
  Q_OBJECT
 private slots:
  void registersTheTypesUnderTheDataFolder() {
    QTemporaryDir dir;
    const fs::path data = ToPath(dir.filePath(QStringLiteral("share")));
    const QString icon = dir.filePath(QStringLiteral("tree.ico"));
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(icon, "ICO"));

    QtShell shell(data);
    const std::vector<FileTypeRegistration> types = {
        {"tree", "Список статей Lorvane", ToPath(icon)},
        {"day", "Дневная копия", ToPath(dir.filePath(QStringLiteral("missing.ico")))},
    };
    QVERIFY(shell.RegisterFileTypes(types, "/opt/Lorvane 6/lorvane"));

    const auto entry = ReadFile(data / "applications" / "lorvane.desktop");
    QVERIFY(entry);
    QVERIFY2(entry->find("\nExec=\"/opt/Lorvane 6/lorvane\" %f\n") != std::string::npos, entry->c_str());
    QVERIFY(entry->find("\nMimeType=application/x-lorvane-tree;application/x-lorvane-day;\n") != std::string::npos);
    QVERIFY(entry->find("\nIcon=application-x-lorvane-tree\n") != std::string::npos);

    const auto xml = ReadFile(data / "mime" / "packages" / "lorvane.xml");
    QVERIFY(xml);
    QVERIFY(xml->find("<glob pattern=\"*.tree\"/>") != std::string::npos);
    QVERIFY(xml->find("<glob pattern=\"*.day\"/>") != std::string::npos);
    // Only the type whose picture could be installed names an icon.
    QVERIFY(xml->find("<icon name=\"application-x-lorvane-tree\"/>") != std::string::npos);
    QVERIFY(xml->find("application-x-lorvane-day\"/>") == std::string::npos);
    const QImage installed(FromPath(data / "icons/hicolor/48x48/mimetypes/application-x-lorvane-tree.png"));
    QCOMPARE(installed.size(), QSize(48, 48));

    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
      const auto globs = ReadFile(data / "mime" / "globs2");
      QVERIFY2(globs && globs->find("application/x-lorvane-tree:*.tree") != std::string::npos,
               "the mime database was refreshed");
    }
  }

  void aFolderThatCannotBeMadeGivesFalse() {
    QTemporaryDir dir;
    WriteFileAtomic(ToPath(dir.filePath(QStringLiteral("file"))), "x");
    QtShell shell(ToPath(dir.filePath(QStringLiteral("file/share"))));
    QVERIFY(!shell.RegisterFileTypes({{"tree", "Tree", {}}}, "/opt/lorvane/lorvane"));
  }

  void startsAProgramDetached() {
    QTemporaryDir dir;
    const QString mark = dir.filePath(QStringLiteral("started"));
    QtShell shell;
    QVERIFY(shell.StartProgram("/bin/sh", {"-c", "echo \"$0\" > \"$1\"", "Привет", ToUtf8(mark)}));
    QTRY_VERIFY(QFile::exists(mark) && QFileInfo(mark).size() > 0);
    QTRY_COMPARE(ReadFile(ToPath(mark)), std::optional<std::string>("Привет\n"));
    QVERIFY(!shell.StartProgram("/no/such/program", {}));
  }
};

}  // namespace lrv

int RunQtShellTests(int argc, char** argv) {
  lrv::QtShellTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "qt_shell_test.moc"
