#include "platform/signal_cleanup.h"

#include <climits>
#include <cstring>
#include <unistd.h>

namespace dorvik {

namespace {

constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP};

// What the handler reads. A slot's path is written whole before the slot is
// marked used, with the signals held.
struct Slot {
    char path[PATH_MAX];
    volatile std::sig_atomic_t used;
};
Slot slots[4];

sigset_t cleanupSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kCleanupSignals)
        sigaddset(&set, signal);
    return set;
}

// Async-signal-safe: unlink, signal and raise only.
extern "C" void removeWatchedAndEnd(int signal)
{
    for (const Slot& slot : slots)
        if (slot.used)
            ::unlink(slot.path);
    // The signal is blocked while its handler runs: raised again with the
    // default action, it ends the program as soon as the handler returns.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void installHandlers()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    struct sigaction action{};
    action.sa_handler = removeWatchedAndEnd;
    action.sa_mask = cleanupSignals();
    action.sa_flags = SA_RESTART;
    for (const int signal : kCleanupSignals) {
        struct sigaction current{};
        if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
            sigaction(signal, &action, nullptr);
    }
}

} // namespace

CleanupSignalsHeld::CleanupSignalsHeld()
{
    const sigset_t set = cleanupSignals();
    sigprocmask(SIG_BLOCK, &set, &previous_);
}

CleanupSignalsHeld::~CleanupSignalsHeld() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }

int watchTemporary(const std::string& path)
{
    if (path.size() >= sizeof Slot::path)
        return -1;
    installHandlers();
    for (Slot& slot : slots) {
        if (slot.used)
            continue;
        std::memcpy(slot.path, path.c_str(), path.size() + 1);
        slot.used = 1;
        return static_cast<int>(&slot - slots);
    }
    return -1;
}

void forgetTemporary(int slot)
{
    if (slot >= 0)
        slots[slot].used = 0;
}

} // namespace dorvik
