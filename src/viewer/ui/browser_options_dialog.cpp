#include "viewer/ui/browser_options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <algorithm>

#include "platform/registry.h"

namespace lrv::viewer {
namespace {

constexpr int kMinFontSize = 6;
constexpr int kMaxFontSize = 72;

}  // namespace

BrowserOptions ReadBrowserOptions(Registry& registry, const QWebEngineSettings& defaults) {
  BrowserOptions options;
  options.images = defaults.testAttribute(QWebEngineSettings::AutoLoadImages);
  options.scripts = defaults.testAttribute(QWebEngineSettings::JavascriptEnabled);
  options.fontSize = defaults.fontSize(QWebEngineSettings::DefaultFontSize);
  const auto root = RegistryRoot::CurrentUser;
  if (auto v = registry.ReadInteger(root, kSettingsKey, "BrowserImages")) options.images = *v != 0;
  if (auto v = registry.ReadInteger(root, kSettingsKey, "BrowserScripts")) options.scripts = *v != 0;
  if (auto v = registry.ReadInteger(root, kSettingsKey, "BrowserFontSize"))
    options.fontSize = std::clamp(*v, kMinFontSize, kMaxFontSize);
  return options;
}

void WriteBrowserOptions(Registry& registry, const BrowserOptions& options) {
  const auto root = RegistryRoot::CurrentUser;
  registry.WriteInteger(root, kSettingsKey, "BrowserImages", options.images ? 1 : 0);
  registry.WriteInteger(root, kSettingsKey, "BrowserScripts", options.scripts ? 1 : 0);
  registry.WriteInteger(root, kSettingsKey, "BrowserFontSize", options.fontSize);
}

void ApplyBrowserOptions(QWebEngineSettings& settings, const BrowserOptions& options) {
  settings.setAttribute(QWebEngineSettings::AutoLoadImages, options.images);
  settings.setAttribute(QWebEngineSettings::JavascriptEnabled, options.scripts);
  settings.setFontSize(QWebEngineSettings::DefaultFontSize, options.fontSize);
}

TfmBrowserOptions::TfmBrowserOptions(const BrowserOptions& options, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TfmBrowserOptions"));
  setWindowTitle(QStringLiteral("Настройки браузера"));
  cbImages = new QCheckBox(QStringLiteral("Показывать &рисунки"), this);
  cbImages->setObjectName(QStringLiteral("cbImages"));
  cbImages->setChecked(options.images);
  cbScripts = new QCheckBox(QStringLiteral("Выполнять &сценарии страниц"), this);
  cbScripts->setObjectName(QStringLiteral("cbScripts"));
  cbScripts->setChecked(options.scripts);
  seFontSize = new QSpinBox(this);
  seFontSize->setObjectName(QStringLiteral("seFontSize"));
  seFontSize->setRange(kMinFontSize, kMaxFontSize);
  seFontSize->setSuffix(QStringLiteral(" пикс."));
  seFontSize->setValue(options.fontSize);

  auto* form = new QFormLayout;
  form->addRow(cbImages);
  form->addRow(cbScripts);
  form->addRow(QStringLiteral("Размер &шрифта по умолчанию:"), seFontSize);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("О&тмена"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

BrowserOptions TfmBrowserOptions::Options() const {
  return {cbImages->isChecked(), cbScripts->isChecked(), seFontSize->value()};
}

}  // namespace lrv::viewer
