#include "store/stay.h"

#include "shell/program_values.h"
#include "store/record_access.h"

using namespace Qt::StringLiterals;

void StoreLeavingTime()
{
    try {
        if (UsersSettings)
            UsersSettings->Put(u"time_exit"_s, {}, SignInTime.toString(u"yyyy-MM-dd hh:mm:ss"_s));
    } catch (...) {
    }
}
