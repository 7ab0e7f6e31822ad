#pragma once
// What survives between runs of the main window's look: the toolbar layout
// ("interface.ini", its first-run copy "interface.bak"), the window
// placement with six stored properties ("form.ini"), and two registry
// values ("CurPage", "MenuStyle").

#include <QString>
#include <filesystem>
#include <optional>

#include "base/ini_file.h"

class QMainWindow;

namespace lrv {

class Registry;

// Toolbar styles: 0 standard, 1 enhanced, 2 flat (the design-time style).
enum ToolbarStyle : int { kStyleStandard = 0, kStyleEnhanced = 1, kStyleFlat = 2 };

// The toolbar layout file: the window's toolbar and dock state and the style.
struct ToolbarLayout {
  QByteArray state;
  int style = kStyleFlat;
};
void SaveToolbarLayout(const QMainWindow& window, int style, const std::filesystem::path& file);
std::optional<ToolbarLayout> LoadToolbarLayout(const std::filesystem::path& file);

// The form-placement store. Values it does not manage (properties of
// controls that do not exist yet) are kept as read and written back.
class FormPlacement {
 public:
  static constexpr const char* kSection = "TfmLrvMain";
  // Reads the file when it exists; returns whether it did.
  bool Load(const std::filesystem::path& file);
  void RestoreGeometry(QMainWindow& window) const;
  void StoreGeometry(const QMainWindow& window);

  std::optional<QString> Property(const char* name) const;
  void SetProperty(const char* name, const QString& value);

  void Save(const std::filesystem::path& file) const;

 private:
  IniFile ini_;
};

// "CurPage" and "MenuStyle" under the settings key.
struct RegistrySettings {
  std::optional<QString> curPage;
  std::optional<int> menuStyle;
};
RegistrySettings ReadRegistrySettings(Registry& registry);
// Writes both values when the key can be opened (created).
void WriteRegistrySettings(Registry& registry, const QString& curPage, int menuStyle);

}  // namespace lrv
