#pragma once

#include <QRandomGenerator>

// The program's one pseudo-random generator. Every random choice of the program draws from it,
// so a test that seeds it gets the same words, letters and tasks on every run.
class RandomSource
{
public:
    static RandomSource &instance();

    void seed(quint32 value);

    // A uniform draw from 0 to count - 1; count must be positive.
    int below(int count);
    // A uniform draw from lowest to highest, both included.
    int between(int lowest, int highest);

private:
    RandomSource();

    QRandomGenerator m_generator;
};
