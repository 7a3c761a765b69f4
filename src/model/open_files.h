#pragma once
// The files the program holds open between steps, by their fixed numbers.
// Formatting of what goes into them belongs to the report writer.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/characters.h"
#include "model/individual_record.h"
#include "model/rewritten_file.h"

namespace vorelan {

// A text file open for output. Records what failed, so that the writer can
// tell the user instead of reporting success for a file it could not write.
class TextOutputFile {
 public:
  // Starts the file anew (an earlier file of the name is replaced). False
  // when it cannot be created.
  bool open(const std::string& path) {
    close();
    path_ = path;
    failed_ = false;
    scanned_ = 0;
    lineLength_ = 0;
    open_ = file_.open(path);
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
    if (scanned_ == pending_.size()) return lineLength_;
    return scanLineLength();
  }

  // Writes text as it stands (line ends included by the caller).
  void write(std::string_view text) {
    if (!open_) return;
    // Gathered in large pieces: result files are written a number at a time.
    pending_.append(text);
    flushWhenFull();
  }
  // Writes text the writer formed itself, ASCII without a line end (number
  // text, blanks): its characters are its bytes, so the line is counted on
  // without reading it again. Tables hold hundreds of thousands of cells.
  void writeAscii(std::string_view text) {
    if (!open_) return;
    countAscii(text.size());
    pending_.append(text);
    flushWhenFull();
  }
  void writeBlanks(std::size_t count) {
    if (!open_) return;
    countAscii(count);
    pending_.append(count, ' ');
    flushWhenFull();
  }
  // Ends the line (carriage return and line feed): the next one starts at 0.
  void writeLineEnd() {
    if (!open_) return;
    pending_.append("\r\n");
    scanned_ = pending_.size();
    lineLength_ = 0;
    flushWhenFull();
  }
  // Closes the file; false when any write or the final flush failed.
  bool close() {
    if (open_) {
      open_ = false;
      writePending();
      if (!file_.close()) failed_ = true;
    }
    return !failed_;
  }

 private:
  static constexpr std::size_t PendingLimit = 1 << 16;

  std::size_t scanLineLength() const {
    const std::string_view unseen = std::string_view(pending_).substr(scanned_);
    const std::size_t lastBreak = unseen.rfind('\n');
    if (lastBreak == std::string_view::npos) {
      lineLength_ += characterCount(unseen);
    } else {
      lineLength_ = characterCount(unseen.substr(lastBreak + 1));
    }
    scanned_ = pending_.size();
    return lineLength_;
  }

  // Counts ASCII about to be appended, when all before it is counted already;
  // otherwise the next lineLength() reads it with the rest.
  void countAscii(std::size_t characters) {
    if (scanned_ != pending_.size()) return;
    lineLength_ += characters;
    scanned_ += characters;
  }

  void flushWhenFull() {
    if (pending_.size() >= PendingLimit) writePending();
  }

  void writePending() {
    lineLength();
    file_.write(pending_.data(), pending_.size());
    pending_.clear();
    scanned_ = 0;
  }

  RewrittenFile file_;
  bool open_ = false;  // asked on every write, so kept apart from the file
  std::string pending_;
  std::string path_;
  bool failed_ = false;
  // lineLength_ counts the current line up to byte scanned_ of pending_.
  mutable std::size_t scanned_ = 0;
  mutable std::size_t lineLength_ = 0;
};

// The data file held open for reading while a run goes: its bytes are read
// once, so that the check and the reader see the same file.
class InputFileText {
 public:
  void open(const std::string& path, std::shared_ptr<const std::string> bytes) {
    path_ = path;
    bytes_ = std::move(bytes);
  }
  bool isOpenFor(const std::string& path) const { return bytes_ && path_ == path; }
  const std::shared_ptr<const std::string>& bytes() const { return bytes_; }
  void close() {
    path_.clear();
    bytes_.reset();
  }

 private:
  std::string path_;
  std::shared_ptr<const std::string> bytes_;
};

// The data file that last passed the data file checks, from Open to the
// Basic Run: its bytes, so the same bytes need not be checked twice, and its
// records as the check read them, so the reader can take them as they are.
struct CheckedDataFile {
  std::string path;
  std::shared_ptr<const std::string> bytes;
  std::shared_ptr<const std::vector<IndividualRecord>> records;

  // The records, when these bytes of this file are those that passed; else null.
  const std::vector<IndividualRecord>* recordsOf(const std::string& filePath,
                                                 const std::shared_ptr<const std::string>& fileBytes) const {
    if (!records || !bytes || !fileBytes || path != filePath) return nullptr;
    if (bytes != fileBytes && *bytes != *fileBytes) return nullptr;
    return records.get();
  }
};

struct OpenFiles {
  InputFileText file2;   // the data file being read
  TextOutputFile file1;  // single output files
  TextOutputFile file3;  // the report of the current run and result files
  TextOutputFile file4;  // the bootstrap samples record
  CheckedDataFile checkedDataFile;

  void forgetCheckedDataFile() { checkedDataFile = {}; }

  void closeAll() {
    file2.close();
    forgetCheckedDataFile();
    file1.close();
    file3.close();
    file4.close();
  }
};

}  // namespace vorelan
