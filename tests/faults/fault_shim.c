/* Fails chosen steps of a file write, for the fault injection tests.
 *
 * DORVIK_FAULT_DIR   only files in this folder (and the folder itself) are touched
 * DORVIK_FAULT       the steps to fail, separated by commas:
 *   open        starting a file for writing: open/openat with a write mode,
 *               O_TMPFILE, mkstemp and its kin (EACCES)
 *   write       every write (ENOSPC)
 *   shortwrite  the first write writes half, the next one fails (ENOSPC)
 *   fdatasync   fdatasync of a file being written (EIO)
 *   fsync       fsync of a file being written (EIO)
 *   dirfsync    fsync of the folder itself (EIO)
 *   close       close of a file being written: it is closed, but says EIO
 *   linkat      linking a file into the folder (ENOSPC)
 *   rename      renaming a file into the folder (EIO)
 *   unlink      removing a file from the folder (EIO)
 *   rofile      an existing file in the folder is read-only: it cannot be
 *               opened for writing and access(W_OK) denies it (EACCES)
 *   rodir       the folder is read-only: nothing can be created, linked,
 *               renamed or removed in it (EACCES)
 * (We run as root, where real permissions do not hold; rofile and rodir
 * answer as the system would for a user.)
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
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#define MAX_FDS 1024
enum { UNTRACKED, WRITTEN_FILE, THE_FOLDER };
static char tracked[MAX_FDS];

static int faulty(const char* name)
{
    const char* list = getenv("DORVIK_FAULT");
    if (!list)
        return 0;
    const size_t n = strlen(name);
    for (const char* p = list; *p;) {
        const char* end = strchr(p, ',');
        const size_t len = end ? (size_t)(end - p) : strlen(p);
        if (len == n && strncmp(p, name, n) == 0)
            return 1;
        if (!end)
            break;
        p = end + 1;
    }
    return 0;
}

static const char* fault_dir(void) { return getenv("DORVIK_FAULT_DIR"); }

/* A path inside the folder (not the folder itself). */
static int in_dir(const char* path)
{
    const char* dir = fault_dir();
    if (!dir || !path)
        return 0;
    size_t n = strlen(dir);
    return strncmp(path, dir, n) == 0 && path[n] == '/' && path[n + 1] != '\0';
}

static int is_dir(const char* path)
{
    const char* dir = fault_dir();
    if (!dir || !path)
        return 0;
    size_t n = strlen(dir);
    return strncmp(path, dir, n) == 0 && (path[n] == '\0' || (path[n] == '/' && path[n + 1] == '\0'));
}

static int exists(const char* path)
{
    struct stat st;
    return stat(path, &st) == 0;
}

#define NEXT(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

static int writes_to(int flags) { return (flags & (O_WRONLY | O_RDWR)) != 0; }

static int track(int fd, const char* path, int flags)
{
    if (fd >= 0 && fd < MAX_FDS) {
        if ((flags & O_TMPFILE) == O_TMPFILE)
            tracked[fd] = is_dir(path) ? WRITTEN_FILE : UNTRACKED;
        else if (in_dir(path) && writes_to(flags))
            tracked[fd] = WRITTEN_FILE;
        else if (is_dir(path))
            tracked[fd] = THE_FOLDER;
        else
            tracked[fd] = UNTRACKED;
    }
    return fd;
}

/* The error an open must fail with, or 0. */
static int open_error(const char* path, int flags)
{
    const int tmpfile = (flags & O_TMPFILE) == O_TMPFILE;
    if (tmpfile ? is_dir(path) : (in_dir(path) && writes_to(flags))) {
        if (faulty("open"))
            return EACCES;
        if (faulty("rodir") && (tmpfile || ((flags & O_CREAT) && !exists(path))))
            return EACCES;
        if (faulty("rofile") && !tmpfile && exists(path))
            return EACCES;
    }
    return 0;
}

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
        const int error = open_error(path, flags);                             \
        if (error) {                                                           \
            errno = error;                                                     \
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
        const int error = open_error(path, flags);                             \
        if (error) {                                                           \
            errno = error;                                                     \
            return -1;                                                         \
        }                                                                      \
        return track(NEXT(name)(dirfd, path, flags, mode), path, flags);       \
    }
OPENAT_WRAPPER(openat)
OPENAT_WRAPPER(openat64)

/* The C library opens the temporary of mkstemp and its kin by itself. */
#define MKSTEMP_WRAPPER(name, ...)                                              \
    int name(char* templ, ##__VA_ARGS__)                                       \
    {                                                                          \
        if (in_dir(templ) && (faulty("open") || faulty("rodir"))) {            \
            errno = EACCES;                                                    \
            return -1;                                                         \
        }                                                                      \
        return track(NEXT(name)(MKSTEMP_ARGS), templ, O_RDWR);                 \
    }
#define MKSTEMP_ARGS templ
MKSTEMP_WRAPPER(mkstemp)
MKSTEMP_WRAPPER(mkstemp64)
#undef MKSTEMP_ARGS
#define MKSTEMP_ARGS templ, flags
MKSTEMP_WRAPPER(mkostemp, int flags)
MKSTEMP_WRAPPER(mkostemp64, int flags)
#undef MKSTEMP_ARGS
#define MKSTEMP_ARGS templ, suffixlen, flags
MKSTEMP_WRAPPER(mkostemps, int suffixlen, int flags)
MKSTEMP_WRAPPER(mkostemps64, int suffixlen, int flags)
#undef MKSTEMP_ARGS

static int is_tracked(int fd, int kind) { return fd >= 0 && fd < MAX_FDS && tracked[fd] == kind; }

static int writes;

ssize_t write(int fd, const void* buf, size_t count)
{
    if (is_tracked(fd, WRITTEN_FILE)) {
        if (faulty("write")) {
            errno = ENOSPC;
            return -1;
        }
        if (faulty("shortwrite") && writes++ > 0) {
            errno = ENOSPC;
            return -1;
        }
        if (faulty("shortwrite") && count > 1)
            return NEXT(write)(fd, buf, count / 2);
    }
    return NEXT(write)(fd, buf, count);
}

int fdatasync(int fd)
{
    if (is_tracked(fd, WRITTEN_FILE) && faulty("fdatasync")) {
        errno = EIO;
        return -1;
    }
    return NEXT(fdatasync)(fd);
}

int fsync(int fd)
{
    if ((is_tracked(fd, WRITTEN_FILE) && faulty("fsync"))
        || (is_tracked(fd, THE_FOLDER) && faulty("dirfsync"))) {
        errno = EIO;
        return -1;
    }
    return NEXT(fsync)(fd);
}

int close(int fd)
{
    const int was = is_tracked(fd, WRITTEN_FILE);
    if (fd >= 0 && fd < MAX_FDS)
        tracked[fd] = UNTRACKED;
    const int result = NEXT(close)(fd);
    if (was && faulty("close")) {
        errno = EIO;
        return -1;
    }
    return result;
}

int access(const char* path, int mode)
{
    if ((mode & W_OK) && ((in_dir(path) && faulty("rofile") && exists(path))
                          || (is_dir(path) && faulty("rodir")))) {
        errno = EACCES;
        return -1;
    }
    return NEXT(access)(path, mode);
}

int faccessat(int dirfd, const char* path, int mode, int flags)
{
    if ((mode & W_OK) && ((in_dir(path) && faulty("rofile") && exists(path))
                          || (is_dir(path) && faulty("rodir")))) {
        errno = EACCES;
        return -1;
    }
    return NEXT(faccessat)(dirfd, path, mode, flags);
}

int linkat(int olddirfd, const char* oldpath, int newdirfd, const char* newpath, int flags)
{
    if (in_dir(newpath) && (faulty("linkat") || faulty("rodir"))) {
        errno = faulty("rodir") ? EACCES : ENOSPC;
        return -1;
    }
    return NEXT(linkat)(olddirfd, oldpath, newdirfd, newpath, flags);
}

static int rename_error(const char* oldpath, const char* newpath)
{
    if (faulty("rodir") && (in_dir(oldpath) || in_dir(newpath)))
        return EACCES;
    if (faulty("rename") && in_dir(newpath))
        return EIO;
    return 0;
}

int rename(const char* oldpath, const char* newpath)
{
    const int error = rename_error(oldpath, newpath);
    if (error) {
        errno = error;
        return -1;
    }
    return NEXT(rename)(oldpath, newpath);
}

int renameat(int olddirfd, const char* oldpath, int newdirfd, const char* newpath)
{
    const int error = rename_error(oldpath, newpath);
    if (error) {
        errno = error;
        return -1;
    }
    return NEXT(renameat)(olddirfd, oldpath, newdirfd, newpath);
}

int renameat2(int olddirfd, const char* oldpath, int newdirfd, const char* newpath,
              unsigned int flags)
{
    const int error = rename_error(oldpath, newpath);
    if (error) {
        errno = error;
        return -1;
    }
    return NEXT(renameat2)(olddirfd, oldpath, newdirfd, newpath, flags);
}

static int unlink_error(const char* path)
{
    if (in_dir(path) && faulty("rodir"))
        return EACCES;
    if (in_dir(path) && faulty("unlink"))
        return EIO;
    return 0;
}

int unlink(const char* path)
{
    const int error = unlink_error(path);
    if (error) {
        errno = error;
        return -1;
    }
    return NEXT(unlink)(path);
}

int unlinkat(int dirfd, const char* path, int flags)
{
    const int error = unlink_error(path);
    if (error) {
        errno = error;
        return -1;
    }
    return NEXT(unlinkat)(dirfd, path, flags);
}

int euidaccess(const char* path, int mode)
{
    if ((mode & W_OK) && ((in_dir(path) && faulty("rofile") && exists(path))
                          || (is_dir(path) && faulty("rodir")))) {
        errno = EACCES;
        return -1;
    }
    return NEXT(euidaccess)(path, mode);
}

int eaccess(const char* path, int mode) { return euidaccess(path, mode); }
