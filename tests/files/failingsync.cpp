// Loaded into the real program by tests: every flush to the disk fails,
// as it does when the disk reports an error; with VEXDIT_FAIL_SYNC=folders,
// only the flush of a folder.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/stat.h>

namespace {

bool fails(int fd)
{
    const char* only = std::getenv("VEXDIT_FAIL_SYNC");
    if (!only || std::strcmp(only, "folders") != 0)
        return true;
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace

extern "C" int fsync(int fd)
{
    static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    if (!fails(fd))
        return real(fd);
    errno = EIO;
    return -1;
}

extern "C" int fdatasync(int fd)
{
    static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fdatasync"));
    if (!fails(fd))
        return real(fd);
    errno = EIO;
    return -1;
}
