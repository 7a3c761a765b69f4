#pragma once
// A user interface answered from a script, for tests. Every box shown is
// recorded with its title and text.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_interface.h"

namespace vorelan::testing {

struct ShownBox {
  std::string kind;  // "input" or "message"
  std::string title;
  std::string text;
};

class ScriptedPlatform : public InputBox,
                         public MessageBox,
                         public FileDialog,
                         public WindowText,
                         public ProgramExit,
                         public RandomNumbers {
 public:
  // Answers, taken in order. An input answer of nothing is a Cancel.
  std::deque<std::optional<std::string>> inputAnswers;
  std::deque<MessageAnswer> messageAnswers;  // for Yes/No boxes; Ok boxes take none
  std::deque<std::string> chosenFiles;       // empty text: the user cancelled
  std::deque<float> draws;                   // random draws; 0.5 when exhausted
  std::uint64_t fixedRunSeed = 20261210;     // the seed of every run's generator

  std::vector<ShownBox> boxes;
  std::vector<FileRequest> fileRequests;  // what each file dialog asked for
  std::vector<std::string> windowLines;
  std::vector<double> seeds;
  int endProgramCalls = 0;

  std::optional<std::string> ask(const std::string& prompt, const std::string& title,
                                 const std::string& defaultAnswer) override;
  MessageAnswer show(const std::string& text, const std::string& title,
                     MessageButtons buttons) override;
  std::string openFile(const FileRequest& request) override;
  void writeLine(const std::string& text) override { windowLines.push_back(text); }
  void endProgram() override { ++endProgramCalls; }
  void seed(double seedValue) override { seeds.push_back(seedValue); }
  float next() override;
  std::uint64_t runSeed() override { return fixedRunSeed; }

  Platform platform() { return Platform{*this, *this, *this, *this, *this, *this}; }

  // The message boxes shown, without the input boxes.
  std::vector<ShownBox> messages() const;
};

}  // namespace vorelan::testing
