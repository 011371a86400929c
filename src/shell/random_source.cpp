#include "shell/random_source.h"

RandomSource &RandomSource::instance()
{
    static RandomSource source;
    return source;
}

RandomSource::RandomSource()
    : m_generator(QRandomGenerator::system()->generate())
{
}

void RandomSource::seed(quint32 value)
{
    m_generator.seed(value);
}

int RandomSource::below(int count)
{
    Q_ASSERT(count > 0);
    return static_cast<int>(m_generator.bounded(static_cast<quint32>(count)));
}

int RandomSource::between(int lowest, int highest)
{
    Q_ASSERT(lowest <= highest);
    return lowest + below(highest - lowest + 1);
}
