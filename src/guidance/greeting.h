#pragma once
// The greeting of the main window: it changes with the hour of the day and
// cycles through several languages, ten timer ticks in each.
#include <string>

namespace vorelan {

inline constexpr int GreetingTicksBeforeFarewell = 2000;
inline constexpr const char* Farewell = "Herzlichen Gruessen!";

// The greeting for a position 0..59 in the cycle and an hour 0..23.
std::string greetingFor(int greetingPhase, int hour);

// The text for the greeting label at one tick of the timer; advances the
// count of greeting ticks and the position in the cycle.
std::string nextGreeting(int& greetingTicks, int& greetingPhase, int hour);

}  // namespace vorelan
