#pragma once

// Stores, as the active learner's "time_exit", when the stay that now ends began (the sign-in
// time, "yyyy-MM-dd hh:mm:ss", which sorts in time order). Run when the learner leaves by logout
// or by closing the program; a failure to write is passed over, since the program is ending.
void StoreLeavingTime();
