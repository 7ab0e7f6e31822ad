#include "platform/qt/qt_shell.h"

#include <cstdlib>

#include <QDesktopServices>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include "base/files.h"
#include "platform/desktop_files.h"
#include "platform/qt/qt_text.h"

namespace lrv {

namespace {

constexpr int kIconSize = 48;

// Refreshing the desktop's caches is a courtesy: a missing tool or a failure
// leaves the files in place for the next login.
void RunIfPresent(const QString& tool, const QStringList& args) {
  const QString path = QStandardPaths::findExecutable(tool);
  if (path.isEmpty()) return;
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(path, args);
  if (!process.waitForStarted(5000)) return;
  if (!process.waitForFinished(30000)) {
    process.kill();
    process.waitForFinished(1000);
  }
}

}  // namespace

QtShell::QtShell(fs::path dataFolder) : dataFolder_(std::move(dataFolder)) {}

fs::path QtShell::DefaultDataFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && *data) return fs::path(data);
  const char* home = std::getenv("HOME");
  if (home && *home) return fs::path(home) / ".local" / "share";
  return fs::current_path() / ".local" / "share";
}

bool QtShell::OpenDocument(const fs::path& file) { return QDesktopServices::openUrl(QUrl::fromLocalFile(FromPath(file))); }

bool QtShell::OpenUrl(const std::string& url) {
  const QUrl address(FromUtf8(url), QUrl::TolerantMode);
  return address.isValid() && QDesktopServices::openUrl(address);
}

bool QtShell::StartProgram(const fs::path& program, const std::vector<std::string>& args) {
  QStringList arguments;
  for (const std::string& a : args) arguments << FromUtf8(a);
  return QProcess::startDetached(FromPath(program), arguments);
}

bool QtShell::RegisterFileTypes(const std::vector<FileTypeRegistration>& types, const fs::path& program) {
#if defined(__linux__)
  try {
    // Icons first: a type keeps its icon only when the picture could be
    // installed into the icon theme.
    std::vector<FileTypeRegistration> installed = types;
    std::string appIcon;
    const fs::path iconFolder =
        dataFolder_ / "icons" / "hicolor" / (std::to_string(kIconSize) + "x" + std::to_string(kIconSize)) / "mimetypes";
    for (FileTypeRegistration& type : installed) {
      const std::string iconName = IconNameOfExtension(type.extension);
      std::error_code ec;
      if (type.icon.empty() || iconName.empty() || !fs::is_regular_file(type.icon, ec)) {
        type.icon.clear();
        continue;
      }
      const QImage picture(FromPath(type.icon));
      EnsureFolder(iconFolder);
      const fs::path target = iconFolder / (iconName + ".png");
      if (picture.isNull() ||
          !picture.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
               .save(FromPath(target), "PNG")) {
        type.icon.clear();
        continue;
      }
      if (appIcon.empty()) appIcon = iconName;
    }

    const fs::path applications = dataFolder_ / "applications";
    const fs::path packages = dataFolder_ / "mime" / "packages";
    EnsureFolder(applications);
    EnsureFolder(packages);
    WriteFileAtomic(applications / "lorvane.desktop", DesktopEntryText(program, installed, appIcon));
    WriteFileAtomic(packages / "lorvane.xml", MimePackageText(installed));

    RunIfPresent(QStringLiteral("update-mime-database"), {FromPath(dataFolder_ / "mime")});
    RunIfPresent(QStringLiteral("update-desktop-database"), {FromPath(applications)});
    return true;
  } catch (const std::exception&) {
    return false;
  }
#else
  (void)types;
  (void)program;
  return false;
#endif
}

}  // namespace lrv
