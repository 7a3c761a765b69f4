#pragma once
// A text file open for output, written through a buffer of its own.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "model/characters.h"
#include "model/replaced_file.h"

namespace vorelan {

// Records what failed, so that the writer can tell the user instead of
// reporting success for a file it could not write.
class TextOutputFile {
 public:
  // Starts the file anew; an earlier file of the name is replaced only when
  // this one is closed whole. False when it cannot be begun.
  // A name that leads to one of `inputs` is refused.
  bool open(const std::string& path, const WriteFault* fault = nullptr, const FlushFault* flushFault = nullptr,
            const InputFiles* inputs = nullptr) {
    discard();
    path_ = path;
    used_ = 0;
    scanned_ = 0;
    lineLength_ = 0;
    open_ = file_.open(path, fault, flushFault, inputs);
    failed_ = !open_;
    return !failed_;
  }
  bool isOpen() const { return open_; }
  const std::string& path() const { return path_; }
  bool failed() const { return failed_; }
  // Characters (not bytes: names may hold letters outside ASCII) written
  // since the last line end; the print columns of the report count from it.
  // Counted only when asked (for tabs), not on every small write, and only
  // over what was written since the last time asked: report lines are long.
  std::size_t lineLength() const {
    if (scanned_ == used_) return lineLength_;
    return scanLineLength();
  }

  // Writes text as it stands (line ends included by the caller).
  void write(std::string_view text) {
    if (!open_) return;
    // Short ASCII items of a line ("0", "-", a label) are counted at once;
    // others wait for the next lineLength().
    if (scanned_ == used_ && isAsciiWithinLine(text)) {
      writeFormedAscii(text.size(), [text](char* at) { return std::copy(text.begin(), text.end(), at); });
      return;
    }
    std::memcpy(room(text.size()), text.data(), text.size());
    used_ += text.size();
    flushWhenFull();
  }
  // Text the writer forms itself (number text, blanks) is ASCII without a
  // line end: its characters are its bytes, so the line is counted on
  // without reading it again. Tables hold hundreds of thousands of cells.
  void writeBlanks(std::size_t count) {
    writeFormedAscii(count, [count](char* at) { return std::fill_n(at, count, ' '); });
  }
  // Such text formed straight into the file's buffer: form(at) puts at most
  // maxLength characters from `at` and returns their end.
  template <class Form>
  void writeFormedAscii(std::size_t maxLength, Form&& form) {
    if (!open_) return;
    char* const at = room(maxLength);
    const auto length = static_cast<std::size_t>(form(at) - at);
    countAscii(length);
    used_ += length;
    flushWhenFull();
  }
  // Ends the line (carriage return and line feed): the next one starts at 0.
  void writeLineEnd() {
    write("\r\n");
    scanned_ = used_;
    lineLength_ = 0;
  }
  // Closes the file and puts it in the place of the earlier one, flushed to
  // the disk; false, with the earlier file kept, when any write, the flush
  // or the replacement failed.
  bool close() {
    if (open_) {
      open_ = false;
      writePending();
      if (!file_.commit()) failed_ = true;
    }
    return !failed_;
  }
  // Closes the file written whole and hands it to `finished`, to be put in
  // place later (report/output_file.h). False, with the earlier file kept,
  // when a write failed.
  bool closeInto(ReplacedFile& finished) {
    if (!open_) return !failed_;
    open_ = false;
    writePending();
    if (file_.error() != 0) {
      failed_ = true;
      file_.discard();
      return false;
    }
    finished = std::move(file_);
    file_ = ReplacedFile();
    return true;
  }
  // Gives the file up unfinished: an earlier file of the name stays as it was.
  void discard() {
    if (!open_) return;
    open_ = false;
    used_ = 0;
    file_.discard();
  }
  // Why it failed, as an error number (0: it has not failed, or the cause is
  // not known).
  int error() const { return file_.error(); }

 private:
  // Gathered in large pieces: result files are written a number at a time.
  static constexpr std::size_t PendingLimit = 1 << 16;

  // Room for `length` more bytes after the pending ones. The buffer keeps
  // its size between pieces, so that small writes only copy their bytes;
  // it grows by doubling, so a small file takes little memory.
  char* room(std::size_t length) {
    if (pending_.size() < used_ + length) grow(length);
    return pending_.data() + used_;
  }
  // Rare (a few times a file): kept out of line, so that room() is inlined.
  [[gnu::noinline, gnu::cold]] void grow(std::size_t length) {
    pending_.resize(std::max({used_ + length, 2 * pending_.size(), std::size_t{256}}));
  }

  static bool isAsciiWithinLine(std::string_view text) {
    bool plain = true;
    for (const char c : text) plain = plain && static_cast<unsigned char>(c) < 0x80 && c != '\n';
    return plain;
  }

  std::size_t scanLineLength() const {
    const std::string_view unseen = std::string_view(pending_.data() + scanned_, used_ - scanned_);
    const std::size_t lastBreak = unseen.rfind('\n');
    if (lastBreak == std::string_view::npos) {
      lineLength_ += characterCount(unseen);
    } else {
      lineLength_ = characterCount(unseen.substr(lastBreak + 1));
    }
    scanned_ = used_;
    return lineLength_;
  }

  // Counts ASCII about to be added, when all before it is counted already;
  // otherwise the next lineLength() reads it with the rest.
  void countAscii(std::size_t characters) {
    if (scanned_ != used_) return;
    lineLength_ += characters;
    scanned_ += characters;
  }

  void flushWhenFull() {
    if (used_ >= PendingLimit) writePending();
  }

  void writePending() {
    lineLength();
    file_.write(pending_.data(), used_);
    used_ = 0;
    scanned_ = 0;
  }

  ReplacedFile file_;
  bool open_ = false;  // asked on every write, so kept apart from the file
  std::string pending_;  // its first used_ bytes are waiting to be written
  std::size_t used_ = 0;
  std::string path_;
  bool failed_ = false;
  // lineLength_ counts the current line up to byte scanned_ of pending_.
  mutable std::size_t scanned_ = 0;
  mutable std::size_t lineLength_ = 0;
};

}  // namespace vorelan
