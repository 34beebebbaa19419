// Loaded into the real program by tests: the process is killed (SIGKILL)
// at the Nth call that writes, flushes, names, removes or changes a file,
// counting from 1 (VEXDIT_KILL_AT=N). A write it stops at is cut in half
// first, as a crash in the middle of it would leave it.
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool killHere()
{
    static const long target = [] {
        const char* at = std::getenv("VEXDIT_KILL_AT");
        return at ? std::atol(at) : 0L;
    }();
    static long calls = 0;
    return target > 0 && ++calls == target;
}

[[noreturn]] void die()
{
    ::kill(::getpid(), SIGKILL);
    for (;;)
        ::pause();
}

template <typename F> F next(const char* name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

} // namespace

#define STOP_BEFORE(name, type, call)                                                                        \
    static const auto real = next<type>(name);                                                               \
    if (killHere())                                                                                          \
        die();                                                                                               \
    return call;

extern "C" {

ssize_t pwrite(int fd, const void* bytes, size_t n, off_t at)
{
    static const auto real = next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
    if (killHere()) {
        real(fd, bytes, n / 2, at);
        die();
    }
    return real(fd, bytes, n, at);
}

ssize_t pwrite64(int fd, const void* bytes, size_t n, off64_t at)
{
    static const auto real = next<ssize_t (*)(int, const void*, size_t, off64_t)>("pwrite64");
    if (killHere()) {
        real(fd, bytes, n / 2, at);
        die();
    }
    return real(fd, bytes, n, at);
}

int ftruncate(int fd, off_t length)
{
    STOP_BEFORE("ftruncate", int (*)(int, off_t), real(fd, length))
}
int ftruncate64(int fd, off64_t length)
{
    STOP_BEFORE("ftruncate64", int (*)(int, off64_t), real(fd, length))
}
int fsync(int fd)
{
    STOP_BEFORE("fsync", int (*)(int), real(fd))
}
int fdatasync(int fd)
{
    STOP_BEFORE("fdatasync", int (*)(int), real(fd))
}
int fchmod(int fd, mode_t mode)
{
    STOP_BEFORE("fchmod", int (*)(int, mode_t), real(fd, mode))
}
int fchown(int fd, uid_t uid, gid_t gid)
{
    STOP_BEFORE("fchown", int (*)(int, uid_t, gid_t), real(fd, uid, gid))
}

int renameat(int from, const char* a, int to, const char* b)
{
    STOP_BEFORE("renameat", int (*)(int, const char*, int, const char*), real(from, a, to, b))
}

int renameat2(int from, const char* a, int to, const char* b, unsigned flags)
{
    STOP_BEFORE("renameat2", int (*)(int, const char*, int, const char*, unsigned),
                real(from, a, to, b, flags))
}

int linkat(int from, const char* a, int to, const char* b, int flags)
{
    STOP_BEFORE("linkat", int (*)(int, const char*, int, const char*, int), real(from, a, to, b, flags))
}

int unlinkat(int folder, const char* name, int flags)
{
    STOP_BEFORE("unlinkat", int (*)(int, const char*, int), real(folder, name, flags))
}
}
