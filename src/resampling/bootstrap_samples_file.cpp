#include "resampling/bootstrap_samples_file.h"

#include <cmath>

#include "datafile/data_file_error.h"
#include "datafile/file_bytes.h"
#include "model/limits.h"
#include "platform/program_termination.h"

namespace vorelan {
namespace {

// A fault found while reading; caught once, where the reading began.
struct Refusal {
  SamplesFileFault fault;
};

[[noreturn]] void refuse(const std::string& message) { throw Refusal{{message, false}}; }

std::string sampleItem(std::int32_t b) { return "sample no. " + std::to_string(b); }

// The fields of the file, each named in a refusal by what it should hold.
// The name is formed only for a refusal: a file holds millions of fields.
class SamplesFields {
 public:
  explicit SamplesFields(FieldReader& reader) : reader_(reader) {}

  template <class Item>
  std::string text(const Item& item) {
    auto next = reader_.next();
    if (!next || next->unterminated) refuse("The bootstrap samples file ends before " + nameOf(item) + ".");
    return std::move(next->text);
  }
  template <class Item>
  double number(const Item& item) {
    const std::string field = text(item);
    const auto value = parseNumber(field);
    if (!value) {
      refuse("In the bootstrap samples file, " + nameOf(item) + ", \"" + shownInMessage(field) + "\", is not a number.");
    }
    return *value;
  }
  template <class Item>
  long whole(const Item& item) {
    const std::string field = text(item);
    const auto value = parseNumber(field);
    if (!value || *value != std::floor(*value) || std::fabs(*value) > 2e9) {
      refuse("In the bootstrap samples file, " + nameOf(item) + ", \"" + shownInMessage(field) +
             "\", is not a whole number.");
    }
    return static_cast<long>(*value);
  }
  void label(const std::string& before) { text("the label before " + before); }

 private:
  static std::string nameOf(const std::string& item) { return item; }
  static std::string nameOf(const char* item) { return item; }
  template <class Item>
  static std::string nameOf(const Item& item) {
    return item();
  }

  FieldReader& reader_;
};

// B and n, checked against the limits and the cohort.
BootstrapSamples readCounts(SamplesFields& fields, int cohortSize) {
  for (int k = 0; k < 3; ++k) fields.text("the three title fields");
  BootstrapSamples samples;
  fields.label("the number of samples B");
  const long b = fields.whole("the number of samples B");
  if (b < 2 || b > limits::MaxBootstrapReplicates) {
    refuse("The bootstrap samples file holds " + std::to_string(b) +
           " samples; it must hold from 2 to 200010 samples.");
  }
  fields.label("the sample size n");
  const long n = fields.whole("the sample size n");
  if (n != cohortSize) {
    refuse("The samples of the bootstrap samples file hold " + std::to_string(n) + " individuals each, but the cohort has " +
           std::to_string(cohortSize) + "; the file must be the one written for this data file.");
  }
  samples.replicates = static_cast<std::int32_t>(b);
  samples.sampleSize = static_cast<int>(n);
  return samples;
}

void readSample(SamplesFields& fields, BootstrapSamples& samples, std::int32_t b) {
  const std::string sample = sampleItem(b);
  fields.label(sample);
  for (int i = 1; i <= samples.sampleSize; ++i) {
    const auto position = [&sample, i] { return sample + ", position " + std::to_string(i); };
    const long k = fields.whole(position);
    if (k < 1 || k > samples.sampleSize) {
      refuse("In the bootstrap samples file, " + position() + " names individual no. " + std::to_string(k) +
             "; the cohort has individuals 1 to " + std::to_string(samples.sampleSize) + ".");
    }
    samples.individuals(b, i) = static_cast<std::int16_t>(k);
  }
  fields.label("the Ro of " + sample);
  samples.r0(b) = fields.number("the Ro of " + sample);
  fields.label("the lambda of " + sample);
  samples.lambda(b) = fields.number("the lambda of " + sample);
  if (samples.r0(b) == 0) throw Refusal{{roZeroMessage(b), true}};
  if (!(samples.lambda(b) > 0)) {
    refuse("In the bootstrap samples file, the lambda of " + sample + " is " + messageNumber(samples.lambda(b)) +
           "; a finite rate of increase must be above 0.");
  }
}

void readStatistics(SamplesFields& fields, BootstrapSamples& samples) {
  const struct {
    const char* item;
    double BootstrapSamples::*value;
  } statistics[] = {
      {"the Ro mean", &BootstrapSamples::r0Mean},
      {"the Ro variance", &BootstrapSamples::r0Var},
      {"the Ro standard error", &BootstrapSamples::r0SE},
      {"the Ro of all individuals", &BootstrapSamples::origR0},
      {"the lambda mean", &BootstrapSamples::lambdaMean},
      {"the lambda variance", &BootstrapSamples::lambdaVar},
      {"the lambda standard error", &BootstrapSamples::lambdaSE},
      {"the lambda of all individuals", &BootstrapSamples::origLambda},
  };
  for (const auto& statistic : statistics) {
    fields.label(statistic.item);
    samples.*statistic.value = fields.number(statistic.item);
  }
}

}  // namespace

std::string roZeroMessage(std::int32_t sample) {
  return "Bootstrap no. " + std::to_string(sample) +
         ".  Ro = 0.  Please reanalyze your life table and make sure all bootstrap samples are effective.";
}

std::variant<BootstrapSamples, SamplesFileFault> parseBootstrapSamples(FieldReader& reader, int cohortSize) {
  SamplesFields fields(reader);
  try {
    BootstrapSamples samples = readCounts(fields, cohortSize);
    const auto rows = static_cast<std::size_t>(samples.replicates) + 1;
    samples.individuals.reset(rows, static_cast<std::size_t>(samples.sampleSize) + 1);
    samples.r0.reset(rows);
    samples.lambda.reset(rows);
    for (std::int32_t b = 1; b <= samples.replicates; ++b) readSample(fields, samples, b);
    readStatistics(fields, samples);
    return samples;
  } catch (const Refusal& refusal) {
    return refusal.fault;
  }
}

std::optional<BootstrapSamples> readBootstrapSamplesFile(const std::string& path, int cohortSize,
                                                         Platform& platform) {
  FileBytesRead content = readFileBytesWithCause(path);
  if (!content.bytes) {
    // The path in full: cut short, a long folder would hide the file's own name.
    platform.message.show("The bootstrap samples file " + path + " cannot be read: " +
                              unreadableReason(content.error) + ".",
                          BootstrapSamplesFileTitle);
    return std::nullopt;
  }
  FieldReader reader(std::move(*content.bytes));
  auto reading = parseBootstrapSamples(reader, cohortSize);
  if (auto* samples = std::get_if<BootstrapSamples>(&reading)) return std::move(*samples);
  const SamplesFileFault& fault = std::get<SamplesFileFault>(reading);
  if (fault.endsProgram) {
    platform.message.show(fault.message, BootstrapRoZeroTitle);
    throw ProgramTermination();
  }
  platform.message.show(fault.message, BootstrapSamplesFileTitle);
  return std::nullopt;
}

void takeBootstrapSamples(AnalysisState& state, BootstrapSamples samples) {
  BootstrapState& boot = state.bootstrap;
  boot.SameBootSamples = "Yes";
  boot.NumBootstrap = samples.replicates;
  boot.BootSampleSize = static_cast<std::int16_t>(samples.sampleSize);
  boot.SameBootSample = std::move(samples.individuals);
  boot.BootSample = Array2<std::int16_t>();
  boot.BootR0 = std::move(samples.r0);
  boot.BootLambda = std::move(samples.lambda);
  boot.SamplesR0Mean = samples.r0Mean;
  boot.SamplesR0Var = samples.r0Var;
  boot.SamplesR0SE = samples.r0SE;
  boot.OrigR0 = samples.origR0;
  boot.SamplesLambdaMean = samples.lambdaMean;
  boot.SamplesLambdaVar = samples.lambdaVar;
  boot.SamplesLambdaSE = samples.lambdaSE;
  boot.OrigLambda = samples.origLambda;
}

}  // namespace vorelan
