#include "TextInputStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "RuntimeException.h"

namespace fw {

Ref<TextInputStream> TextInputStream::Open(const Ref<FolderItem>& file) {
    const std::string path = file->NativePath();  // Nil raises here
    // O_NONBLOCK: opening a FIFO must not wait for a writer. Only regular files are read,
    // so a FIFO or a device (a link to /dev/zero, say) can't stall or flood the reader.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.IsOpen()) {
        throw IOException("Can't open " + path + ": " + std::strerror(errno), errno);
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        throw IOException("Can't open " + path + ": " + std::strerror(errno), errno);
    }
    if (S_ISDIR(info.st_mode)) {
        throw IOException("Can't open " + path + ": it is a folder", EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        throw IOException("Can't open " + path + ": it is no regular file", EINVAL);
    }
    // Regular files never block; reads go back to the ordinary blocking mode.
    ::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
    return New<TextInputStream>(std::move(fd));
}

TextInputStream::TextInputStream(FileDescriptor fd) : fd_(std::move(fd)) {}

std::string TextInputStream::ReadAll() {
    if (!fd_.IsOpen()) {
        throw IOException("The stream is closed.");
    }
    std::string text;
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(fd_.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            throw IOException(std::string("Can't read: ") + std::strerror(errno), errno);
        }
        if (n == 0) {
            return text;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

void TextInputStream::Close() {
    fd_.Reset();
}

}  // namespace fw
