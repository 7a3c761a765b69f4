#pragma once
// The files the program holds open between steps, by their fixed numbers.
// Formatting of what goes into them belongs to the report writer.
#include <memory>
#include <string>
#include <vector>

#include "model/individual_record.h"
#include "model/text_output_file.h"

namespace vorelan {

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
