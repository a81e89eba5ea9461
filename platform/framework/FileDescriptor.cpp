#include "FileDescriptor.h"

#include <unistd.h>

#include <cerrno>

namespace fw {

int FileDescriptor::Reset() {
    if (fd_ < 0) {
        return 0;
    }
    // Linux releases the descriptor even when close fails, so it is never retried.
    int result = ::close(std::exchange(fd_, -1)) == 0 ? 0 : errno;
    return result == EINTR ? 0 : result;
}

}  // namespace fw
