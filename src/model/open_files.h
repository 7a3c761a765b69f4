#pragma once
// The files the program holds open between steps, by their fixed numbers.
// Formatting of what goes into them belongs to the report writer.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/individual_record.h"
#include "model/input_files.h"
#include "model/replacement_batch.h"
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
  // The files of the current run or step that could not be written, told to
  // the user once, at its end.
  std::vector<UnwrittenFile> unwritten;
  // While a run gathers its files, each file written whole waits here, to
  // be flushed and put in place with the others at the run's end; at other
  // times a file takes its place as soon as it is closed.
  bool gathering = false;
  ReplacementBatch waiting;
  // Every output file this run of the program has put in place, in order:
  // files of the same names left by an earlier run of the program are not
  // among them.
  std::vector<std::string> written;
  // Every file read as input in this run of the program: no output file
  // takes the place of one of them.
  InputFiles inputs;
  // Set by tests only: makes the writes or the flushes of every output
  // file fail as a full or broken disk would.
  WriteFault writeFault;
  FlushFault flushFault;

  bool wasWritten(const std::string& path) const {
    return std::find(written.begin(), written.end(), path) != written.end();
  }

  void forgetCheckedDataFile() { checkedDataFile = {}; }

  // Ends every file. An output file still open here was never finished
  // (the program ends before its run did): the earlier file of its name is
  // kept as it was.
  void closeAll() {
    file2.close();
    forgetCheckedDataFile();
    file1.discard();
    file3.discard();
    file4.discard();
    waiting.discardAll();
  }
};

}  // namespace vorelan
