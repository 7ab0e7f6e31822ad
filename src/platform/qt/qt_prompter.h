#pragma once
// The real Prompter: message boxes and the input box of the desktop.

#include <functional>

#include <QString>

#include "platform/help_viewer.h"
#include "platform/prompter.h"

class QWidget;

namespace lrv {

class QtPrompter : public Prompter {
 public:
  // The boxes are owned by whatever `parent` answers at the moment one is
  // shown (the main window once it exists; nothing before).
  QtPrompter(std::function<QWidget*()> parent, HelpViewer& help);
  QtPrompter(QWidget* parent, HelpViewer& help);

  // "&Справка" opens the topic and leaves the box open; only OK answers Ok.
  Answer Show(const Message& message) override;
  std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                   const std::string& initial) override;

  // The system writes line breaks as "\n\r"; the screen wants one "\n".
  static QString ScreenText(const std::string& utf8);

 private:
  std::function<QWidget*()> parent_;
  HelpViewer& help_;
};

}  // namespace lrv
