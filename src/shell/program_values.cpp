#include "shell/program_values.h"

using namespace Qt::StringLiterals;

QString SignedInUserName;
QDateTime SignInTime;
int TotalTimeCounter = 0;
QString TrainerFont = u"Annapurna SIL"_s;
std::array<int, 17> UsageCounters = {};

namespace Program {

QString WindowCaption()
{
    return u"Самвидра – программа по изучению санскрита | Версия программы %1"_s.arg(QLatin1String(Version));
}

} // namespace Program
