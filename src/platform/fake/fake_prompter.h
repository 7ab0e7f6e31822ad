#pragma once
// Prompter for tests: answers from a script and records every box, so that
// tests assert the exact texts, buttons and help numbers.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompter.h"

namespace lrv {

class FakePrompter : public Prompter {
 public:
  struct InputBox {
    std::string caption, prompt, initial;
  };

  // Scripted answers, used in order; when a script runs out, Show answers
  // `defaultAnswer` and Input answers nullopt (the user cancelled).
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> inputs;
  Answer defaultAnswer = Answer::Ok;

  // What was shown, in order.
  std::vector<Message> messages;
  std::vector<InputBox> inputBoxes;

  FakePrompter& Reply(Answer a) {
    answers.push_back(a);
    return *this;
  }
  FakePrompter& Type(std::optional<std::string> text) {
    inputs.push_back(std::move(text));
    return *this;
  }

  Answer Show(const Message& message) override;
  std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                   const std::string& initial) override;

  // The texts of all messages, in order.
  std::vector<std::string> Texts() const;
  const Message* Last() const { return messages.empty() ? nullptr : &messages.back(); }
  void Clear();
};

}  // namespace lrv
