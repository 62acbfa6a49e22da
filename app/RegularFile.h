#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>

// Reads a file beside the program only when it is what it claims to be.
namespace RegularFile {

// The whole file, when it is a regular file of at most maxBytes; nothing
// otherwise. No FIFO, device or folder in its place can hold the program, and
// the size is taken from the open file itself, so that a sparse file of a
// terabyte is never read.
std::optional<QByteArray> readWhole(const QString& path, std::size_t maxBytes);

} // namespace RegularFile
