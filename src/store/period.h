#pragma once

#include "store/sql_parameters.h"

#include <QDate>
#include <QString>

// The condition that keeps the answer records of a period of whole days, from the first day to
// the last, both included. It gives what "DateValue(date_in) between :d1 and :d2" gives, since the
// stored dates sort in time order, and lets the index on date_in serve it.
inline constexpr QStringView InPeriod = u"date_in >= :d1 and date_in < :d2";

// The two values of InPeriod: the first day, and the day after the last.
inline TArrValues PeriodValues(const QDate &first, const QDate &last)
{
    return {first.toString(Qt::ISODate), last.addDays(1).toString(Qt::ISODate)};
}
