#include "shell/clock.h"

namespace {

QDateTime fixedMoment;

} // namespace

namespace Clock {

QDateTime now()
{
    return fixedMoment.isValid() ? fixedMoment : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void set(const QDateTime &moment)
{
    fixedMoment = moment;
}

void reset()
{
    fixedMoment = QDateTime();
}

} // namespace Clock
