#pragma once
// Modal questions and messages. Every failure the user must know of is a
// message box with a fixed text, a kind, a fixed set of buttons and a help
// context number. Texts here are UTF-8 (the screen's form); callers convert
// archive texts from Windows-1251 when they compose a message.

#include <optional>
#include <string>

namespace lrv {

enum class MessageKind { Information, Warning, Error, Confirmation };
enum class MessageButtons { OkHelp, OkCancelHelp, Ok };
enum class Answer { Ok, Cancel };

struct Message {
  MessageKind kind = MessageKind::Information;
  std::string text;  // UTF-8; lines broken by "\n\r" as the system writes them
  MessageButtons buttons = MessageButtons::OkHelp;
  int helpContext = 0;
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows the box modally. A confirmation proceeds only on Ok; closing the
  // box any other way answers Cancel.
  virtual Answer Show(const Message& message) = 0;
  // The system's input box: caption, prompt and initial text. nullopt on Cancel.
  virtual std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                           const std::string& initial) = 0;

  // Shorthands for the common boxes.
  Answer Inform(const std::string& text, int helpContext,
                MessageButtons buttons = MessageButtons::OkHelp) {
    return Show({MessageKind::Information, text, buttons, helpContext});
  }
  Answer Warn(const std::string& text, int helpContext,
              MessageButtons buttons = MessageButtons::OkHelp) {
    return Show({MessageKind::Warning, text, buttons, helpContext});
  }
  Answer Error(const std::string& text, int helpContext,
               MessageButtons buttons = MessageButtons::OkHelp) {
    return Show({MessageKind::Error, text, buttons, helpContext});
  }
  bool Confirm(const std::string& text, int helpContext) {
    return Show({MessageKind::Confirmation, text, MessageButtons::OkCancelHelp, helpContext}) == Answer::Ok;
  }
};

}  // namespace lrv
