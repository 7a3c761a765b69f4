#include "resampling/begin_bootstrap.h"

#include <cmath>
#include <string>

#include "datafile/field_reader.h"
#include "model/limits.h"

namespace vorelan {
namespace {

struct WholeNumberQuestion {
  const char* prompt;
  const char* title;
  std::string defaultAnswer;
  long min;
  long max;
  const char* refusal;  // the message of an answer outside min..max
};

std::optional<long> wholeNumber(const std::string& answer) {
  const auto first = answer.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const auto last = answer.find_last_not_of(" \t");
  const auto value = parseNumber(std::string_view(answer).substr(first, last - first + 1));
  if (!value || *value != std::floor(*value) || std::fabs(*value) > 1e9) return std::nullopt;
  return static_cast<long>(*value);
}

// The answer, asked again until it is a whole number in range; nothing on Cancel.
std::optional<long> askWholeNumber(Platform& platform, const WholeNumberQuestion& question) {
  for (;;) {
    const auto answer = platform.input.ask(question.prompt, question.title, question.defaultAnswer);
    if (!answer) return std::nullopt;
    const auto value = wholeNumber(*answer);
    if (value && *value >= question.min && *value <= question.max) return *value;
    platform.message.show(question.refusal, question.title);
  }
}

}  // namespace

std::optional<BootstrapSize> BeginBootstrap(Platform& platform, int defaultSampleSize) {
  const WholeNumberQuestion replicates{
      "Enter the number of bootstarp (B <= 40000) ", "Bootstrap", "40000", MinBootstrapReplicates,
      MaxNewBootstrapReplicates,
      "The number of bootstrap replicates B must be a whole number from 2 to 40000."};
  const auto b = askWholeNumber(platform, replicates);
  if (!b) return std::nullopt;
  const WholeNumberQuestion sampleSize{
      "Enter the sample size (n) of bootstrap", "Sample size =?", std::to_string(defaultSampleSize),
      MinBootstrapSampleSize, limits::MaxIndividuals,
      "The sample size n must be a whole number from 1 to 400."};
  const auto n = askWholeNumber(platform, sampleSize);
  if (!n) return std::nullopt;
  return BootstrapSize{static_cast<std::int32_t>(*b), static_cast<int>(*n)};
}

}  // namespace vorelan
