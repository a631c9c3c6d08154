/* Fails chosen steps of a file write, for the fault injection tests.
 * Preloaded with LD_PRELOAD; only the calls the program's writers make are
 * wrapped, and every other call goes through.
 *
 * DORVIK_FAULT_DIR   only files in this folder (and the folder itself) are touched
 * DORVIK_FAULT_LOG   when set, every wrapped call on the folder or a file in
 *                    it is added to this file, one line each: the call and
 *                    "file" or "folder" (writes are left out)
 * DORVIK_FAULT       the steps to fail, separated by commas:
 *   notmpfile   the file system has no nameless files: open with O_TMPFILE
 *               in the folder (EOPNOTSUPP)
 *   open        starting a file for writing: open with a write mode,
 *               O_TMPFILE in the folder (EACCES)
 *   write       every write (ENOSPC)
 *   shortwrite  the first write writes half, the next one fails (ENOSPC)
 *   fdatasync   fdatasync (EIO)
 *   fsync       fsync of the file or of the folder (EIO)
 *   close       close: the file is closed, but it says EIO
 *   linkat      linking a file into the folder (ENOSPC)
 *   rename      renaming a file into the folder (EIO)
 *   unlink      removing a file from the folder (EBUSY, so that a failure
 *               described after the cleanup shows)
 *   rofile      an existing file in the folder is read-only: it cannot be
 *               opened for writing and access(W_OK) denies it (EACCES)
 *   rodir       the folder is read-only: nothing can be created, linked,
 *               renamed or removed in it (EACCES)
 * (The tests run as root, where real permissions do not hold; rofile and
 * rodir answer as the system would for a user.) */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#define NEXT(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))
#define FAIL_IF(condition, error) do { if (condition) { errno = (error); return -1; } } while (0)

static int faulty(const char* step)
{
    char list[256], item[32];
    snprintf(list, sizeof list, ",%s,", getenv("DORVIK_FAULT") ? getenv("DORVIK_FAULT") : "");
    snprintf(item, sizeof item, ",%s,", step);
    return strstr(list, item) != NULL;
}

enum { OUTSIDE, IN_FOLDER, THE_FOLDER };

static int place(const char* path)
{
    const char* dir = getenv("DORVIK_FAULT_DIR");
    const size_t n = dir ? strlen(dir) : 0;
    if (!dir || !path || strncmp(path, dir, n) != 0)
        return OUTSIDE;
    if (path[n] == '\0' || (path[n] == '/' && path[n + 1] == '\0'))
        return THE_FOLDER;
    return path[n] == '/' ? IN_FOLDER : OUTSIDE;
}

static int exists(const char* path)
{
    struct stat st;
    return stat(path, &st) == 0;
}

static int read_only(const char* path)
{
    return (place(path) == IN_FOLDER && faulty("rofile") && exists(path))
           || (place(path) == THE_FOLDER && faulty("rodir"));
}

/* The descriptors of files being written in the folder, and of the folder. */
enum { UNTRACKED, A_FILE, A_FOLDER };
static const char* const kinds[] = {"", "file", "folder"};
#define MAX_FDS 1024
static char tracked[MAX_FDS];

static int is_tracked(int fd) { return fd >= 0 && fd < MAX_FDS && tracked[fd]; }

static int track(int fd, int kind)
{
    if (fd >= 0 && fd < MAX_FDS)
        tracked[fd] = (char)kind;
    return fd;
}

static void note(const char* call, int kind)
{
    const char* log = getenv("DORVIK_FAULT_LOG");
    char line[64];
    if (!log || kind == UNTRACKED)
        return;
    const int n = snprintf(line, sizeof line, "%s %s\n", call, kinds[kind]);
    const int fd = NEXT(open)(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    if (NEXT(write)(fd, line, (size_t)n) != n)
        fprintf(stderr, "fault_shim: cannot log to %s\n", log);
    NEXT(close)(fd);
}

static int kind_of_path(const char* path)
{
    return place(path) == THE_FOLDER ? A_FOLDER : place(path) == IN_FOLDER ? A_FILE : UNTRACKED;
}

static int kind_of_fd(int fd) { return is_tracked(fd) ? tracked[fd] : UNTRACKED; }

static int open_error(const char* path, int flags)
{
    if (!(flags & (O_WRONLY | O_RDWR)) || place(path) == OUTSIDE)
        return 0;
    if (faulty("open"))
        return EACCES;
    if (faulty("rodir") && (place(path) == THE_FOLDER || ((flags & O_CREAT) && !exists(path))))
        return EACCES;
    return place(path) == IN_FOLDER && read_only(path) ? EACCES : 0;
}

#define OPEN_WRAPPER(name)                                                      \
    int name(const char* path, int flags, ...)                                 \
    {                                                                          \
        mode_t mode = 0;                                                       \
        if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE) {           \
            va_list ap;                                                        \
            va_start(ap, flags);                                               \
            mode = va_arg(ap, mode_t);                                         \
            va_end(ap);                                                        \
        }                                                                      \
        const int nameless = (flags & O_TMPFILE) == O_TMPFILE;                 \
        const int kind = place(path) == OUTSIDE ? UNTRACKED                    \
                         : nameless || (flags & (O_WRONLY | O_RDWR)) ? A_FILE  \
                         : place(path) == THE_FOLDER ? A_FOLDER : UNTRACKED;   \
        note(nameless ? "open-nameless" : "open", kind);                       \
        FAIL_IF(place(path) == THE_FOLDER && nameless && faulty("notmpfile"), EOPNOTSUPP); \
        const int error = open_error(path, flags);                             \
        FAIL_IF(error, error);                                                 \
        return track(NEXT(name)(path, flags, mode), kind);                     \
    }
OPEN_WRAPPER(open)
OPEN_WRAPPER(open64)

static int writes;

ssize_t write(int fd, const void* buf, size_t count)
{
    if (is_tracked(fd)) {
        FAIL_IF(faulty("write") || (faulty("shortwrite") && writes++ > 0), ENOSPC);
        if (faulty("shortwrite") && count > 1)
            return NEXT(write)(fd, buf, count / 2);
    }
    return NEXT(write)(fd, buf, count);
}

int fdatasync(int fd)
{
    note("fdatasync", kind_of_fd(fd));
    FAIL_IF(is_tracked(fd) && faulty("fdatasync"), EIO);
    return NEXT(fdatasync)(fd);
}

int fsync(int fd)
{
    note("fsync", kind_of_fd(fd));
    FAIL_IF(is_tracked(fd) && faulty("fsync"), EIO);
    return NEXT(fsync)(fd);
}

int close(int fd)
{
    const int was = is_tracked(fd);
    note("close", kind_of_fd(fd));
    track(fd, UNTRACKED);
    const int result = NEXT(close)(fd);
    FAIL_IF(was && faulty("close"), EIO);
    return result;
}

int access(const char* path, int mode)
{
    FAIL_IF((mode & W_OK) && read_only(path), EACCES);
    return NEXT(access)(path, mode);
}

int linkat(int olddirfd, const char* oldpath, int newdirfd, const char* newpath, int flags)
{
    note("linkat", kind_of_path(newpath));
    FAIL_IF(place(newpath) == IN_FOLDER && faulty("rodir"), EACCES);
    FAIL_IF(place(newpath) == IN_FOLDER && faulty("linkat"), ENOSPC);
    return NEXT(linkat)(olddirfd, oldpath, newdirfd, newpath, flags);
}

int rename(const char* oldpath, const char* newpath)
{
    note("rename", kind_of_path(newpath));
    FAIL_IF((place(oldpath) == IN_FOLDER || place(newpath) == IN_FOLDER) && faulty("rodir"), EACCES);
    FAIL_IF(place(newpath) == IN_FOLDER && faulty("rename"), EIO);
    return NEXT(rename)(oldpath, newpath);
}

int unlink(const char* path)
{
    note("unlink", kind_of_path(path));
    FAIL_IF(place(path) == IN_FOLDER && faulty("rodir"), EACCES);
    FAIL_IF(place(path) == IN_FOLDER && faulty("unlink"), EBUSY);
    return NEXT(unlink)(path);
}
