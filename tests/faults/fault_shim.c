/* Fails one chosen step of a file write, for the fault injection tests.
 *
 * DORVIK_FAULT_DIR   only files in this folder are touched
 * DORVIK_FAULT       the step to fail: open, write, shortwrite, fdatasync,
 *                    fsync, close, linkat, rename
 *
 * Preloaded into a process with LD_PRELOAD; every other call goes through. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <unistd.h>

#define MAX_FDS 1024
static char tracked[MAX_FDS];

static const char* fault(void) { const char* f = getenv("DORVIK_FAULT"); return f ? f : ""; }

static int in_dir(const char* path)
{
    const char* dir = getenv("DORVIK_FAULT_DIR");
    if (!dir || !path)
        return 0;
    size_t n = strlen(dir);
    return strncmp(path, dir, n) == 0 && (path[n] == '/' || path[n] == '\0');
}

static int is_tracked(int fd) { return fd >= 0 && fd < MAX_FDS && tracked[fd]; }

static int track(int fd, const char* path, int flags)
{
    if (fd >= 0 && fd < MAX_FDS)
        tracked[fd] = in_dir(path) && (flags & (O_WRONLY | O_RDWR)) ? 1 : 0;
    return fd;
}

static int fail_open(const char* path, int flags)
{
    return in_dir(path) && (flags & (O_WRONLY | O_RDWR)) && strcmp(fault(), "open") == 0;
}

#define NEXT(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

#define OPEN_WRAPPER(name)                                                      \
    int name(const char* path, int flags, ...)                                 \
    {                                                                          \
        mode_t mode = 0;                                                       \
        if (flags & (O_CREAT | O_TMPFILE)) {                                   \
            va_list ap;                                                        \
            va_start(ap, flags);                                               \
            mode = va_arg(ap, mode_t);                                         \
            va_end(ap);                                                        \
        }                                                                      \
        if (fail_open(path, flags)) {                                          \
            errno = EACCES;                                                    \
            return -1;                                                         \
        }                                                                      \
        return track(NEXT(name)(path, flags, mode), path, flags);              \
    }
OPEN_WRAPPER(open)
OPEN_WRAPPER(open64)

#define OPENAT_WRAPPER(name)                                                    \
    int name(int dirfd, const char* path, int flags, ...)                      \
    {                                                                          \
        mode_t mode = 0;                                                       \
        if (flags & (O_CREAT | O_TMPFILE)) {                                   \
            va_list ap;                                                        \
            va_start(ap, flags);                                               \
            mode = va_arg(ap, mode_t);                                         \
            va_end(ap);                                                        \
        }                                                                      \
        if (fail_open(path, flags)) {                                          \
            errno = EACCES;                                                    \
            return -1;                                                         \
        }                                                                      \
        return track(NEXT(name)(dirfd, path, flags, mode), path, flags);       \
    }
OPENAT_WRAPPER(openat)
OPENAT_WRAPPER(openat64)

static int writes;

ssize_t write(int fd, const void* buf, size_t count)
{
    if (is_tracked(fd)) {
        if (strcmp(fault(), "write") == 0) {
            errno = ENOSPC;
            return -1;
        }
        if (strcmp(fault(), "shortwrite") == 0 && writes++ > 0) {
            errno = ENOSPC;
            return -1;
        }
        if (strcmp(fault(), "shortwrite") == 0 && count > 1)
            return NEXT(write)(fd, buf, count / 2);
    }
    return NEXT(write)(fd, buf, count);
}

int fdatasync(int fd)
{
    if (is_tracked(fd) && strcmp(fault(), "fdatasync") == 0) {
        errno = EIO;
        return -1;
    }
    return NEXT(fdatasync)(fd);
}

int fsync(int fd)
{
    if (is_tracked(fd) && strcmp(fault(), "fsync") == 0) {
        errno = EIO;
        return -1;
    }
    return NEXT(fsync)(fd);
}

int close(int fd)
{
    const int was = is_tracked(fd);
    if (fd >= 0 && fd < MAX_FDS)
        tracked[fd] = 0;
    const int result = NEXT(close)(fd);
    if (was && strcmp(fault(), "close") == 0) {
        errno = EIO;
        return -1;
    }
    return result;
}

int linkat(int olddirfd, const char* oldpath, int newdirfd, const char* newpath, int flags)
{
    if (in_dir(newpath) && strcmp(fault(), "linkat") == 0) {
        errno = ENOSPC;
        return -1;
    }
    return NEXT(linkat)(olddirfd, oldpath, newdirfd, newpath, flags);
}

int rename(const char* oldpath, const char* newpath)
{
    if (in_dir(newpath) && strcmp(fault(), "rename") == 0) {
        errno = EIO;
        return -1;
    }
    return NEXT(rename)(oldpath, newpath);
}
