#pragma once
// The program's fixed texts that more than one window shows: its title, the
// notice line, the contact block, the usage hint and the closing text of an
// analysis.
#include <string>

namespace vorelan {

inline constexpr const char* ContactAddress = "dev@vorelan.example";

// The reference by which the program asks to be cited.
inline constexpr const char* ProgramCitation =
    "The Vorelan project. 2026. Vorelan: a computer program for the age-stage, two-sex life table analysis "
    "of consumption and predation rates. The Vorelan project, https://vorelan.example.";

inline std::string programTitle() { return "VORELAN\nAge-stage, two-sex life table of consumption"; }

inline std::string noticeLine(int year) {
  return "Copyright (c) " + std::to_string(year) + " the Vorelan developers";
}

// Six lines: name, e-mail address, laboratory, institution, postal box, city and country.
inline std::string contactBlock() {
  return std::string("The Vorelan developers\n") + ContactAddress +
         "\nLife-table laboratory\nThe Vorelan project\nP.O. Box 1\nVorelan, Earth";
}

// The usage hint, built of its four pieces with their own blanks.
inline std::string usageHint() {
  std::string hint = "1. Open a data file. 2. Press Basic RUN to analyze the raw data and calculate ";
  hint += "the age-stage-specific consumption rate. 3. Select a figure to display.  ";
  hint += "You can click Jackknif or Bootstrap to estimate the standard errors of the ";
  hint += std::string("net predation rate.  Comments and suggestions are welcome (e-mail to ") + ContactAddress +
          ").";
  return hint;
}

// Shown once the user has seen the result of the resampling run.
inline std::string closingText() {
  return std::string("Congratulation!\n") + "Your data were analyzed successfully. If you want to run" +
         " this program once again, just quit and restart it.\n" + " Ende gut, alles gut!\n" + "Auf Wiedersehen!";
}

}  // namespace vorelan
