#include "report/file_failure.h"

#include <algorithm>
#include <system_error>

#include "model/replaced_file.h"
#include "report/output_file.h"
#include "report/output_file_names.h"

namespace vorelan {
namespace {

// The line of one file: its name in the message's folder, else its whole path;
// its own reason when it differs from the message's.
std::string fileLine(const UnwrittenFile& file, const std::string& folder, int reasonShown) {
  std::string line = folderOf(file.path) == folder ? fileNameOf(file.path) : file.path;
  if (file.error != reasonShown) line += " (" + unwrittenReason(file.error) + ")";
  return line;
}


// The files noted since the last message, forgotten by the state.
std::vector<UnwrittenFile> takeUnwritten(OpenFiles& files) {
  std::vector<UnwrittenFile> taken = std::move(files.unwritten);
  files.unwritten.clear();
  return taken;
}

}  // namespace

std::string unwrittenReason(int error) {
  if (error == 0) return "the cause is not known";
  if (error == NotAPlainFile) return "something other than a file stands in its place";
  if (error == TemporaryFileRemoved) {
    return "the file being written was removed by another program before it could take its place";
  }
  if (error == LinkLeadsNowhere) return "its name is a link that leads to no file";
  if (error == HeldBackWithTheRun) return "held back with the rest of the run";
  if (error == LeadsToAnInputFile) return "its name leads to a file the program reads as input, which is kept";
  if (error == LinkOfAnotherUser) return "its name is a link made by another user, which is not followed";
  if (error == FolderLinkOfAnotherUser) {
    return "its name leads through a folder link made by another user, which is not followed";
  }
  if (error == FolderGone) return "the folder was moved or removed while the file was written";
  if (error == TooManyLinks) {
    return "its name leads through more links than are followed (" + std::to_string(MostLinksFollowed) + ")";
  }
  if (error == LeadsToLinkOfAnotherUser) return "its name leads to a link made by another user, which is not followed";
  if (error == NameLeadsElsewhere) return "its name now leads elsewhere than when the file was begun";
  const std::error_condition cause = std::generic_category().default_error_condition(error);
  if (cause == std::errc::too_many_symbolic_link_levels) return "its name is a link that leads round in a loop";
  if (cause == std::errc::no_space_on_device) return "the disk is full";
  if (cause == std::errc::permission_denied || cause == std::errc::operation_not_permitted) {
    return "there is no permission to write there";
  }
  if (cause == std::errc::read_only_file_system) return "the disk is read-only";
  if (cause == std::errc::no_such_file_or_directory) return "the folder does not exist";
  if (cause == std::errc::not_a_directory) return "a part of the folder's path is not a folder";
  if (cause == std::errc::is_a_directory) return "a folder of that name stands in the way";
  if (cause == std::errc::filename_too_long) return "the file name is too long";
  return std::generic_category().message(error);
}

std::string unwrittenFilesMessage(std::vector<UnwrittenFile> files, const std::string& reportPath) {
  std::stable_partition(files.begin(), files.end(),
                        [&reportPath](const UnwrittenFile& file) { return file.path == reportPath; });
  const std::string folder = folderOf(files.front().path);
  const int reason = files.front().error;
  std::string text = files.size() == 1 ? "This file could not be written" : "These files could not be written";
  text += " in the folder " + (folder.empty() ? std::string(".") : folder) + " (" + unwrittenReason(reason) + "):\n";
  const std::size_t listed = std::min(files.size(), ListedUnwrittenFiles);
  for (std::size_t k = 0; k < listed; ++k) text += fileLine(files[k], folder, reason) + "\n";
  if (files.size() > listed) text += "and " + std::to_string(files.size() - listed) + " more\n";
  text += files.size() == 1 ? "\nIf it existed before, its earlier version was kept unchanged."
                            : "\nWhere they existed before, their earlier versions were kept unchanged.";
  return text;
}

void tellUnwrittenFiles(AnalysisState& state, Platform& platform) {
  // Nothing of a finished step waits beyond its end.
  placeWrittenFiles(state.files);
  std::vector<UnwrittenFile> files = takeUnwritten(state.files);
  if (files.empty()) return;
  platform.message.show(unwrittenFilesMessage(std::move(files), state.report.ReportFileName),
                        OutputFileErrorTitle);
}

void tellStepNotKept(AnalysisState& state, Platform& platform, const std::string& lead, const std::string& firstPath) {
  std::vector<UnwrittenFile> files = takeUnwritten(state.files);
  std::string text = lead + "\n\n";
  if (!files.empty()) text += unwrittenFilesMessage(std::move(files), firstPath);
  platform.message.show(text, OutputFileErrorTitle);
}

void tellRunNotWritten(AnalysisState& state, Platform& platform, const std::string& runName,
                       const std::string& reportPath) {
  tellStepNotKept(state, platform,
                  "The results of the " + runName +
                      " were not written: the program goes on with the results of the Basic Run.",
                  reportPath);
}

}  // namespace vorelan
