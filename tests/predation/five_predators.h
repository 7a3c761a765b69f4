#pragma once
// The cohort of tests/fixtures/five_predators.txt after its Basic Run.
#include <string>
#include <utility>
#include <variant>

#include "predation/five_predators_sasd.h"
#include "predation/predation_rates.h"
#include "predation/sasd_file.h"
#include "report/basic_report_session.h"
#include "support/fixture_path.h"

namespace vorelan::testing {

// Open data file and Basic Run of the five predators in a fresh folder.
struct FivePredators : BasicReportSession {
  FivePredators() : BasicReportSession(readFile(fixturePath("five_predators.txt")), "1") {}

  // Reads, commits and computes from a file that must pass its checks.
  void readRates(const SasdFileText& file) {
    SasdFileRead read = parseSasdFile(file.text(), state);
    if (const auto* refusal = std::get_if<SasdRefusal>(&read)) {
      ADD_FAILURE() << refusal->problem;
      return;
    }
    commitSasdFile(state, "sasd.txt", std::move(std::get<SasdFileContents>(read)));
    CalculatePredationRates(state);
    state.run.SASDRead = "Yes";
  }

  // Writes a distribution file into the session's folder; returns its path.
  std::string sasdFile(const SasdFileText& file, const std::string& name = "sasd.txt") {
    return dir.write(name, file.text());
  }
};

}  // namespace vorelan::testing
