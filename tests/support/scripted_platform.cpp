#include "support/scripted_platform.h"

#include <stdexcept>

namespace vorelan::testing {

std::optional<std::string> ScriptedPlatform::ask(const std::string& prompt, const std::string& title,
                                                 const std::string&) {
  boxes.push_back({"input", title, prompt});
  if (inputAnswers.empty()) throw std::logic_error("script has no answer for input box: " + prompt);
  auto answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

MessageAnswer ScriptedPlatform::show(const std::string& text, const std::string& title,
                                     MessageButtons buttons) {
  boxes.push_back({"message", title, text});
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (messageAnswers.empty()) throw std::logic_error("script has no answer for Yes/No box: " + text);
  const MessageAnswer answer = messageAnswers.front();
  messageAnswers.pop_front();
  return answer;
}

std::string ScriptedPlatform::openFile(const FileRequest& request) {
  fileRequests.push_back(request);
  if (chosenFiles.empty()) throw std::logic_error("script has no file for the file dialog");
  std::string file = chosenFiles.front();
  chosenFiles.pop_front();
  return file;
}

float ScriptedPlatform::next() {
  if (draws.empty()) return 0.5f;
  const float draw = draws.front();
  draws.pop_front();
  return draw;
}

std::vector<ShownBox> ScriptedPlatform::messages() const {
  std::vector<ShownBox> result;
  for (const ShownBox& box : boxes) {
    if (box.kind == "message") result.push_back(box);
  }
  return result;
}

}  // namespace vorelan::testing
