#include "platform/fake/fake_prompter.h"

namespace lrv {

Answer FakePrompter::Show(const Message& message) {
  messages.push_back(message);
  if (answers.empty()) return defaultAnswer;
  const Answer a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<std::string> FakePrompter::Input(const std::string& caption, const std::string& prompt,
                                               const std::string& initial) {
  inputBoxes.push_back({caption, prompt, initial});
  if (inputs.empty()) return std::nullopt;
  auto text = std::move(inputs.front());
  inputs.pop_front();
  return text;
}

std::vector<std::string> FakePrompter::Texts() const {
  std::vector<std::string> texts;
  for (const Message& m : messages) texts.push_back(m.text);
  return texts;
}

void FakePrompter::Clear() {
  answers.clear();
  inputs.clear();
  messages.clear();
  inputBoxes.clear();
}

}  // namespace lrv
