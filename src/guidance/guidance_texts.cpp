#include "guidance/guidance_texts.h"

#include "guidance/program_texts.h"
#include "guidance/text_pieces.h"

namespace vorelan {

std::array<std::string, 15> exampleDataLines() {
  return {
      " \"Project: Ladybird beetle, Harmonia axyridis, fed on aphids at 25 C\"",
      " \"User: Vorelan example\"",
      " \"Date: 1986.1.17. - 1986.2.28.\"",
      " 20",
      " 3,4",
      " F,Egg,Larva,Pupa,Female",
      " M,Egg,Larva,Pupa,Male",
      " N,Egg,Larva,Pupa,Unknown",
      " Larva,Pupa",
      " 1,M,2,3,6,2,-1,2,5,5,-1,-1,2, ...,-1",
      " 2,F,2,4,5,3,-1,3,3,-1,-1,5,6,3,-1",
      " 3,F,4,2,6,4,-1,5,3,-1,-1,2,5,4,6,-1",
      " 4,F,2,3,4,3,-1,2,2,3,-1,-1,0,3,3,-1",
      " 5,N,2,-5,-1,4,3,3,2,2,-1",
      " 6,N,3,2,-4,-1,3,5,-1,-1",
  };
}

std::string descriptivePartExplanation() {
  return appendPieces({
      "    The first part (the green part) of the datafile is descriptive data. The first line is the project.",
      " The second line is the username. The third line is the date of experiment.",
      " The fourth line is the number of individuals used in the life table study.",
      " The fifth line is the number of sexes (usually only 3, i.e., male, female and unknown) and",
      " the number of stages (If there are egg, larva, pupa and adult, enter 4. If there are",
      " egg, larva 1, larva 2, larva 3, larva 4, pupa, and adult, then enter 7).",
      " The sixth to eighth line are the stage name for each sex (F,Egg,Larva,Pupa,Female for",
      " this example, or F,Egg,L1,L2,L3,L4,Pupa,Female).",
      " The ninth line is used for special grouping. If you want to calculate the mean developmental time",
      " from Larva to Pupa stage, then enter \"Larva,Pupa\". If you want to calculate the mean developmental",
      " time from L1 to L4, then enter \"L1, L4\".",
      std::string(" If you find it hard to write your data file, send it by e-mail to ") + ContactAddress +
          " and we will check it for you,",
      " free of charge; your data will be kept strictly confidential.",
  });
}

std::string rawDataExplanation() {
  return appendPieces({
      "    The second part (the blue part) is the raw data for each individual.  For example,",
      " \" 1,M,2,3,6,2,-1,2,5,5,-1,-1,2, ...,-1\" the \"1\" is the serial number of individual, ",
      "The \"M\" denotes that individual no. 1 is male.",
      " The \"2,3,6,2\" denotes that the developmental time for egg, larva, pupa and adult stages are 2, 3, 6 "
      "and 2 days, respectively.",
      " The \"-1,2,5,5,-1,-1,2, ...,-1\" are the daily consumption rate. The first \"-1\" denotes the eggs do "
      "not ",
      "consume any food. The \"2,5,5\" are the daily consumption rate of larval stage.  The next \"-1\" "
      "denotes the end of ",
      "of larval stage. The next \"-1\" denotes that pupae do not consume any food.  The \"2,...,\" denotes "
      "the ",
      "daily consumption rate of adult stage.  The last \"-1\" denotes the end of data. ",
      " The \" 6,N,3,2,-4,-1,3,5,-1,-1\" denotes that individual no. 6 died",
      " before the adult stage. The development time is 3 days for the egg stage and 2 days in larval stage. ",
      "It died after 4 days in the pupal stage.  If 20 individuals were used in",
      " this experiment, there should be 20 lines of this kind of data.",
      " An example of data file comes with this program (example.txt).  You can also run this program",
      " using example.txt to get some experience.",
  });
}

std::string specialNote() {
  return appendPieces({
      "    If you need help in writing your own data file, please write to us (",
      ContactAddress,
      "). Spreadsheet programs are not capable of this task: a data file holds one line of a different "
      "length for every individual.",
      "\n\n    A consumption analysis based on the age-stage, two-sex life table takes the variable "
      "consumption among stages and between the sexes into account. The stages of a predator that do not "
      "prey (the egg and the pupa, for example) are a time refuge for its prey.",
      "\n\n    Why the age-stage, two-sex life table?",
      "\n 1. It takes the variable developmental rate among individuals into account.",
      "\n 2. It includes both sexes.",
      "\n 3. It shows the differences between the sexes.",
      "\n 4. It keeps the stage differentiation of the life history.",
      "\n 5. The stage structure can be followed in simulations of population growth.",
      "\n 6. Models that schedule pest control can use the stage-specific susceptibility to pesticides.",
      "\n 7. Mass rearing and harvesting can be planned for the stage that is wanted.",
      "\n 8. The individuals that died before the adult stage are included.",
      "\n 9. Its results reproduce the raw records exactly: the survival curves s(i,j) are the daily "
      "records themselves.",
      "\n10. A theory of predation needs the stage and sex structure of both predator and prey.",
      "\n11. Your own reasons: you will find them when you use it.",
      "\n\n    Pest control that is well scheduled and precisely dosed saves money and spares the "
      "environment. Try the analysis with your own data and see what the stages tell you.",
  });
}

std::string printingHelp() {
  return appendPieces({
      "    To print the output file: 1. Open the output file using any word ",
      "processing program (Word, Word Perfect, etc.)",
      " 2. Use \"Edit\" and \"Select All\" to select the whole output file. ",
      "3. Change font to Courier (or any other non proportional font). ",
      "If it is already in fixed size font, you don't need to do anything. ",
      "4. Change the font size to 8 points. ",
      "5. Change the line space to single. 6. Print the output file.",
      "  The graphic files contain graphic data.  You can use any commercial graphic programs ",
      "(Excel, Lotus, SigmaPlot, PowerPoint, Freelance, etc) to import these data and plot the figures "
      "yourself.",
      " To ensure that you plot the figures correctly, you should compare your figures with those plotted ",
      "by this program.",
  });
}

}  // namespace vorelan
