// Loaded into the real program by tests: every flush to the disk fails,
// as it does when the disk reports an error.
#include <cerrno>

extern "C" int fsync(int)
{
    errno = EIO;
    return -1;
}

extern "C" int fdatasync(int)
{
    errno = EIO;
    return -1;
}
