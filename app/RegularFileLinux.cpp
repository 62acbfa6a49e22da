#include "app/RegularFile.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {

std::optional<QByteArray> readWhole(const QString& path, std::size_t maxBytes)
{
    // Opened without blocking and without taking a terminal, so that a FIFO
    // or a device is only looked at, never waited on.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> result;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size >= 0
        && static_cast<std::size_t>(status.st_size) <= maxBytes) {
        // One byte more than allowed shows a file that grew after the look.
        QByteArray bytes(static_cast<qsizetype>(maxBytes) + 1, Qt::Uninitialized);
        qsizetype filled = 0;
        while (filled < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + filled, static_cast<std::size_t>(bytes.size() - filled));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            filled += got;
        }
        if (static_cast<std::size_t>(filled) <= maxBytes) {
            bytes.truncate(filled);
            result = std::move(bytes);
        }
    }
    ::close(fd);
    return result;
}

} // namespace RegularFile
