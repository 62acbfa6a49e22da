#include "app/RegularFile.h"

#include <QDir>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace RegularFile {

std::optional<QByteArray> readWhole(const QString& path, std::size_t maxBytes)
{
    // Shared with writers, so that a picture being replaced is read as it is
    // or not at all; a folder cannot be opened this way.
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<QByteArray> result;
    LARGE_INTEGER size{};
    // A pipe, a console or a device answers to another file type.
    if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart >= 0
        && static_cast<unsigned long long>(size.QuadPart) <= maxBytes) {
        // One byte more than allowed shows a file that grew after the look.
        QByteArray bytes(static_cast<qsizetype>(maxBytes) + 1, Qt::Uninitialized);
        qsizetype filled = 0;
        DWORD got = 0;
        while (filled < bytes.size()
               && ReadFile(file, bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &got, nullptr)
               && got > 0)
            filled += got;
        if (static_cast<std::size_t>(filled) <= maxBytes) {
            bytes.truncate(filled);
            result = std::move(bytes);
        }
    }
    CloseHandle(file);
    return result;
}

} // namespace RegularFile
