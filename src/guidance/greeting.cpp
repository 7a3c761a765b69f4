#include "guidance/greeting.h"

#include <array>

namespace vorelan {
namespace {

// Rows: the language by the tens of the cycle position; columns: morning,
// day, evening, night.
constexpr std::array<std::array<const char*, 4>, 6> Greetings{{
    {"Buenos dias!", "Buenas tardes!", "Buenas noches!", "Gute Nacht!"},
    {"Guten Morgen!", "Guten Tag!", "Guten Abend!", "Gute Nacht!"},
    {"Good morning!", "Good afternoon!", "Good evening!", "Good night!"},
    {"How do you do?", "How are you?", "Hi......!", "Go bed!"},
    {"Wie geht's?", "Alles Gutes!", "Good evening!", "Good night!"},
    {"Como esta Vd.?", "Good afternoon!", "Good evening!", "Good night!"},
}};

int partOfDay(int hour) {
  if (hour >= 5 && hour < 8) return 0;
  if (hour >= 8 && hour < 17) return 1;
  if (hour >= 17 && hour < 21) return 2;
  return 3;
}

}  // namespace

std::string greetingFor(int greetingPhase, int hour) {
  const int row = (greetingPhase / 10) % 6;
  return Greetings[static_cast<std::size_t>(row)][static_cast<std::size_t>(partOfDay(hour))];
}

std::string nextGreeting(int& greetingTicks, int& greetingPhase, int hour) {
  if (greetingTicks > GreetingTicksBeforeFarewell) return Farewell;
  ++greetingTicks;
  greetingPhase = (greetingPhase + 1) % 60;
  return greetingFor(greetingPhase, hour);
}

}  // namespace vorelan
