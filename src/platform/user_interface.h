#pragma once
// The analysis core's view of the user interface. The windows implement these
// interfaces; the tests answer them from a script.
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace vorelan {

class InputBox {
 public:
  virtual ~InputBox() = default;
  // The typed text, or nothing when the user cancelled.
  virtual std::optional<std::string> ask(const std::string& prompt, const std::string& title,
                                         const std::string& defaultAnswer) = 0;
};

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual MessageAnswer show(const std::string& text, const std::string& title,
                             MessageButtons buttons = MessageButtons::Ok) = 0;
};

// What an open-file dialog asks the user for.
struct FileRequest {
  std::string title;                 // names the file wanted
  std::string startFolder;           // where the dialog opens; empty: where it likes
  std::vector<std::string> filters;  // "Text files (*.txt)", ...; the first is chosen; empty: none
  bool operator==(const FileRequest&) const = default;
};

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // The chosen path, or an empty text when the user cancelled.
  virtual std::string openFile(const FileRequest& request) = 0;
};

class WindowText {
 public:
  virtual ~WindowText() = default;
  // Writes a line of text on the main window.
  virtual void writeLine(const std::string& text) = 0;
};

class ProgramExit {
 public:
  virtual ~ProgramExit() = default;
  // Ends the program once the current event has been handled.
  virtual void endProgram() = 0;
};

class RandomNumbers {
 public:
  virtual ~RandomNumbers() = default;
  virtual void seed(double seedValue) = 0;
  // A uniform draw in [0, 1), in single precision.
  virtual float next() = 0;
  // The seed of a run's own generator, taken once per run: from the system's
  // source of randomness, unless a test fixes it.
  virtual std::uint64_t runSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
  }
};

// Everything of the user interface that the core may use, in one bundle.
struct Platform {
  InputBox& input;
  MessageBox& message;
  FileDialog& fileDialog;
  WindowText& windowText;
  ProgramExit& programExit;
  RandomNumbers& random;
};

}  // namespace vorelan
