#pragma once

#include <QDateTime>

// The program's one clock. Tests set it to a fixed moment, so that "now", "today" and periods are
// tested without waiting.
namespace Clock {

QDateTime now();
QDate today();

// Makes now() return the given moment (local time) until reset(); a null moment resets.
void set(const QDateTime &moment);
void reset();

} // namespace Clock
