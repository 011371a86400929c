#pragma once

#include <QDateTime>
#include <QString>

#include <array>

// Values the whole program shares while it runs.
namespace Program {

inline constexpr const char *Version = "1.3.8";
// The caption of the sign-in and main windows.
QString WindowCaption();

} // namespace Program

// The signed-in learner's name as greetings show it, and when the learner signed in.
extern QString SignedInUserName;
extern QDateTime SignInTime;
// Seconds the learner has spent signed in, over all stays; grows every second from sign-in on.
extern int TotalTimeCounter;
// The Devanagari font of the trainers and the keyboard, from the learner's settings.
extern QString TrainerFont;
// Seconds spent in each area of the program since start, f01 to f17 at indices 0 to 16.
extern std::array<int, 17> UsageCounters;
