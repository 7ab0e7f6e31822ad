#pragma once
// "Настройки браузера" (acBrowserOptions): the few engine settings a reader
// of the archive changes: pictures, scripts and the default text size. The
// values are kept under the program's settings key and applied to the
// engine at start.

#include <QDialog>

class QCheckBox;
class QSpinBox;
class QWebEngineSettings;

namespace lrv {
class Registry;
}

namespace lrv::viewer {

struct BrowserOptions {
  bool images = true;
  bool scripts = true;
  int fontSize = 16;  // the engine's default size in pixels
};

BrowserOptions ReadBrowserOptions(Registry& registry, const QWebEngineSettings& defaults);
void WriteBrowserOptions(Registry& registry, const BrowserOptions& options);
void ApplyBrowserOptions(QWebEngineSettings& settings, const BrowserOptions& options);

class TfmBrowserOptions : public QDialog {
  Q_OBJECT
 public:
  TfmBrowserOptions(const BrowserOptions& options, QWidget* parent);
  BrowserOptions Options() const;

  QCheckBox* cbImages;
  QCheckBox* cbScripts;
  QSpinBox* seFontSize;
};

}  // namespace lrv::viewer
