#include "guidance/introduction_texts.h"

#include "guidance/text_pieces.h"

namespace vorelan {

std::array<std::string, 4> stageNotes() {
  return {
      appendPieces({"   The eggs of the diamondback moth do not cause damage to the host plant.",
                    " Eggs are not susceptible to the pesticides used against the larvae.",
                    " Regular rainfall has little effect on the survival of eggs.",
                    " Heavy rainfall, however, may wash the eggs from the leaves."}),
      appendPieces({"   The larvae of \"both sexes\" of the diamondback moth feed on the host plants.",
                    " The damage they cause varies with the instar, and so does their susceptibility to "
                    "pesticides.",
                    " Larvae are vulnerable to rainfall and to other environmental factors."}),
      appendPieces({"   The pupae do not feed on the host plant.  In other words, they do not need food.",
                    " They are less susceptible to pesticides and to rainfall.",
                    " They are usually not attacked by larval parasitoids.", " They are not mobile."}),
      appendPieces({"   The adults of the diamondback moth do not feed on the host plant.",
                    " They are quite susceptible to pesticides.",
                    " They can disperse to new host plants when necessary."}),
  };
}

std::string diagramExplanation() {
  return joinWithBlanks({
      "This diagram shows the variable developmental rate and consumption ",
      "rate among individuals.  The variable",
      "developmental rate results in stage overlapping of insect life history.",
      "Individual no. 1 is male, and the developmental times of the egg, larva, pupa ",
      "and adult stage is 2, 5, 6 and 2 days, respectively. ",
      "There are 15 consumption data (the white box) 0, 0, 1, 4,......, 4, 2.  ",
      "The leading two zeros means that eggs do not consume food or prey. ",
      "Individual no. 19 died after 3 days in pupal stage.  Individual no. 20 died",
      "after 5 days in the larval stage.",
  });
}

std::string introductionEssay() {
  return joinWithBlanks({
      "Building age-structured population models is an important step",
      "in population ecology.",
      "Most organisms are age-structured, and their fecundity varies with age.",
      "Age is not the whole story, however.",
      "The developmental rate varies among individuals as well,",
      "and this matters above all in insects and mites,",
      "whose life is divided into distinct stages such as egg, larva, pupa and adult.",
      "Because some individuals develop faster than others,",
      "the stages overlap in the life history of a cohort:",
      "on one and the same day some individuals are still larvae, others are pupae,",
      "and the first adults have already emerged.",
      "\n\nA life table built on age alone cannot show this, and it forces wrong choices on its user.",
      "Should the individuals that died before the adult stage, whose sex is unknown,",
      "be included or left out?",
      "How should the fecundity of an age group be computed",
      "when that group holds larvae, pupae and adults at the same time?",
      "And if age is counted from the adult stage,",
      "fecundities of individuals of different ages are added together as if they were of one age.",
      "Whatever the choice, the result shows as soon as the constructed l(x) and m(x) curves",
      "are compared with the raw data: they do not describe what was observed.",
      "\n\nThe age-stage, two-sex life table takes the variable developmental rate",
      "among individuals and both sexes into account.",
      "Every individual of the cohort is kept in it, male, female,",
      "and those that died before their sex could be told,",
      "so the table describes the cohort exactly as it was recorded.",
      "The survival and consumption of each stage stand side by side,",
      "and the overlap of the stages is seen, not hidden.",
      "\n\nTwo programs share the work.",
      "The life-table program Halvek analyses the life table data:",
      "survival, development and fecundity.",
      "This program, Vorelan, analyses the consumption data",
      "(food, prey or hosts, and so predation or parasitism)",
      "of the same kind of cohort.",
      "A study of a predator or a pest therefore uses both:",
      "Halvek for the growth of the population and Vorelan for what it eats.",
      "\n\nIf you need help with the analysis of your raw data,",
      "do not hesitate to ask us.",
      "We will be glad to help you.",
  });
}

}  // namespace vorelan
