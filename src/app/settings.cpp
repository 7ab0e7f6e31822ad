#include "app/settings.h"

#include <QMainWindow>

#include "base/files.h"
#include "base/text.h"
#include "platform/qt/qt_text.h"
#include "platform/registry.h"

namespace lrv {
namespace {

constexpr const char* kLayoutSection = "Layout";

std::string Latin(const QByteArray& bytes) { return bytes.toStdString(); }

}  // namespace

void SaveToolbarLayout(const QMainWindow& window, int style, const std::filesystem::path& file) {
  IniFile ini;
  ini.Write(kLayoutSection, "State", Latin(window.saveState().toBase64()));
  ini.WriteInteger(kLayoutSection, "Style", style);
  MakeWritable(file);
  ini.Save(file);
}

std::optional<ToolbarLayout> LoadToolbarLayout(const std::filesystem::path& file) {
  auto ini = IniFile::Load(file);
  if (!ini || !ini->SectionExists(kLayoutSection)) return std::nullopt;
  ToolbarLayout layout;
  layout.state = QByteArray::fromBase64(QByteArray::fromStdString(ini->ReadString(kLayoutSection, "State", "")));
  layout.style = ini->ReadInteger(kLayoutSection, "Style", kStyleFlat);
  return layout;
}

bool FormPlacement::Load(const std::filesystem::path& file) {
  auto ini = IniFile::Load(file);
  if (!ini) return false;
  ini_ = std::move(*ini);
  return true;
}

void FormPlacement::RestoreGeometry(QMainWindow& window) const {
  if (auto g = ini_.Read(kSection, "Geometry"))
    window.restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(*g)));
}

void FormPlacement::StoreGeometry(const QMainWindow& window) {
  ini_.Write(kSection, "Geometry", Latin(window.saveGeometry().toBase64()));
}

std::optional<QString> FormPlacement::Property(const char* name) const {
  auto v = ini_.Read(kSection, name);
  if (!v) return std::nullopt;
  return FromAnsi(*v);
}

void FormPlacement::SetProperty(const char* name, const QString& value) {
  // Values are archive text; a character without a Windows-1251 form
  // becomes "?" rather than losing the whole file.
  ini_.Write(kSection, name, ToAnsi(value).value_or(std::string(value.size(), '?')));
}

void FormPlacement::Save(const std::filesystem::path& file) const {
  MakeWritable(file);
  ini_.Save(file);
}

RegistrySettings ReadRegistrySettings(Registry& registry) {
  RegistrySettings s;
  if (!registry.KeyExists(RegistryRoot::CurrentUser, kSettingsKey)) return s;
  if (auto page = registry.ReadString(RegistryRoot::CurrentUser, kSettingsKey, "CurPage"))
    s.curPage = QString::fromStdString(*page);
  s.menuStyle = registry.ReadInteger(RegistryRoot::CurrentUser, kSettingsKey, "MenuStyle");
  return s;
}

void WriteRegistrySettings(Registry& registry, const QString& curPage, int menuStyle) {
  if (!registry.CreateKey(RegistryRoot::CurrentUser, kSettingsKey)) return;
  const QString page = curPage.trimmed().isEmpty() ? QStringLiteral("about:blank") : curPage;
  registry.WriteString(RegistryRoot::CurrentUser, kSettingsKey, "CurPage", page.toStdString());
  registry.WriteInteger(RegistryRoot::CurrentUser, kSettingsKey, "MenuStyle", menuStyle);
}

}  // namespace lrv
