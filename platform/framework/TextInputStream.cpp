#include "TextInputStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
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

std::string TextInputStream::ReadAll(std::size_t limit) {
    if (!fd_.IsOpen()) {
        throw IOException("The stream is closed.");
    }
    const auto tooLarge = [limit] {
        return IOException("Can't read: more than " + std::to_string(limit) + " bytes", EFBIG);
    };
    // The size tells at once whether the rest fits; the read below still stops at the limit.
    struct stat info {};
    const off_t position = ::lseek(fd_.Get(), 0, SEEK_CUR);
    if (::fstat(fd_.Get(), &info) == 0 && position >= 0 && info.st_size > position &&
        static_cast<std::uintmax_t>(info.st_size - position) > limit) {
        throw tooLarge();
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
        if (text.size() > limit) {
            throw tooLarge();
        }
    }
}

void TextInputStream::Close() {
    fd_.Reset();
}

}  // namespace fw
