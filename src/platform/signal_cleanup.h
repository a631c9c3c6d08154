// Named temporary files that SIGINT, SIGTERM or SIGHUP must not leave
// behind. While a path is watched, a handler for those signals removes it
// and then lets the signal end the program as it would have. (SIGKILL cannot
// be caught: the writers keep their temporary nameless where the file system
// allows it, for that reason.)
#pragma once

#include <csignal>
#include <string>

namespace dorvik {

// Holds SIGINT, SIGTERM and SIGHUP back while it lives, so that a temporary
// is made and watched, or renamed or removed and forgotten, as one step: a
// signal never finds a name made but not watched, nor one watched that is
// already another file's.
class CleanupSignalsHeld {
public:
    CleanupSignalsHeld();
    ~CleanupSignalsHeld();
    CleanupSignalsHeld(const CleanupSignalsHeld&) = delete;
    CleanupSignalsHeld& operator=(const CleanupSignalsHeld&) = delete;

private:
    sigset_t previous_;
};

// Watches the path (installing the handlers the first time, except for a
// signal the program ignores, which stays ignored). Returns the slot to
// forget it by, or -1 when every slot is taken or the path is too long.
// Both are called with the signals held.
int watchTemporary(const std::string& path);
void forgetTemporary(int slot);

} // namespace dorvik
