#include "guidance/notice_texts.h"

#include "guidance/program_texts.h"

namespace vorelan {

std::vector<std::string> noticeLines(int year) {
  return {
      noticeLine(year),
      "All rights reserved by the Vorelan project.",
      "This program is protected by copyright. It may be copied and passed on only whole and unchanged, "
      "together with this notice.",
      "You may use it free of charge for research and teaching. It is provided as it is, without warranty of "
      "any kind: check its results against your raw data before you publish them.",
      "",
  };
}

std::string citationRequest() {
  return std::string("If you use this program in your research, please cite the following ") +
         " reference in your paper:" + "\n\n" + ProgramCitation;
}

std::string newVersionPlaces() {
  return std::string("You can get new version of this program at") + "\n" + "https://vorelan.example/download" +
         "\n" + "the Vorelan project or" + "\n" + "https://mirror.vorelan.example/download" + "\n" +
         "the Vorelan project's mirror";
}

}  // namespace vorelan
