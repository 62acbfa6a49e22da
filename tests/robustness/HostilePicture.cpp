#include "HostilePicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>

namespace HostilePicture {

namespace {
QImage smallPicture()
{
    QImage image(32, 24, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 8, y * 10, (x * y) % 256));
    return image;
}

QByteArray encoded(const char* format, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(smallPicture());
    return bytes;
}

void putBigEndian16(QByteArray& bytes, qsizetype at, int value)
{
    bytes[at] = static_cast<char>((value >> 8) & 0xff);
    bytes[at + 1] = static_cast<char>(value & 0xff);
}

void putBigEndian32(QByteArray& bytes, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (24 - 8 * i)) & 0xff);
}

quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

QByteArray jpegDeclaring(int width, int height, bool progressive)
{
    QByteArray bytes = encoded("jpeg", progressive);
    // The frame header: FF C0 (baseline) or FF C2 (progressive), length,
    // precision, then height and width, each in two bytes.
    const char marker = progressive ? '\xc2' : '\xc0';
    for (qsizetype i = 2; i + 8 < bytes.size(); ++i) {
        if (bytes[i] == '\xff' && bytes[i + 1] == marker) {
            putBigEndian16(bytes, i + 5, height);
            putBigEndian16(bytes, i + 7, width);
            return bytes;
        }
    }
    return {};
}

QSize declaredJpegSize(const QByteArray& jpeg)
{
    for (qsizetype i = 2; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == '\xff' && (jpeg[i + 1] == '\xc0' || jpeg[i + 1] == '\xc2')) {
            auto at = [&jpeg](qsizetype k) { return (static_cast<quint8>(jpeg[k]) << 8) | static_cast<quint8>(jpeg[k + 1]); };
            return {at(i + 7), at(i + 5)};
        }
    }
    return {};
}

QByteArray pngDeclaring(int width, int height)
{
    QByteArray bytes = encoded("png", false);
    // The header chunk follows the 8-byte signature: length, "IHDR", width, height.
    putBigEndian32(bytes, 16, static_cast<quint32>(width));
    putBigEndian32(bytes, 20, static_cast<quint32>(height));
    // The header's checksum covers its type and its 13 bytes of data.
    putBigEndian32(bytes, 29, crc32(bytes.mid(12, 17)));
    // The pixel data is cut short.
    return bytes.left(bytes.size() / 2);
}

QByteArray jpegRepeatingAScan(int width, int height, int extraScans)
{
    QByteArray bytes = jpegDeclaring(width, height, true);
    // The last scan runs from the last start-of-scan marker to the end-of-image marker.
    const qsizetype scan = bytes.lastIndexOf("\xff\xda");
    const qsizetype end = bytes.lastIndexOf("\xff\xd9");
    if (scan < 0 || end < scan)
        return {};
    bytes.insert(end, bytes.mid(scan, end - scan).repeated(extraScans));
    return bytes;
}

QByteArray iconHoldingPng(int side)
{
    QImage black(side, side, QImage::Format_Grayscale8);
    black.fill(0);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    black.save(&buffer, "png");
    // The icon directory: reserved, type 1 (icon), one entry; the entry claims
    // 256 x 256 (written 0 x 0), one plane and 32 bits a pixel, then gives the
    // PNG's size and where it starts, in little-endian order.
    QByteArray icon("\0\0\1\0\1\0\0\0\0\0\1\0\x20\0", 14);
    for (const quint32 value : {static_cast<quint32>(png.size()), quint32{22}})
        for (int i = 0; i < 4; ++i)
            icon += static_cast<char>((value >> (8 * i)) & 0xff);
    return icon + png;
}

bool layDown(Kind kind, const QString& folder, const QString& fileName, const QString& soundPicture)
{
    const QString path = QDir(folder).filePath(fileName);
    QFile sound(soundPicture);
    switch (kind) {
    case Kind::Sound:
        return QFile::copy(soundPicture, path);
    case Kind::Missing:
        return true;
    case Kind::Empty:
        return write(path, {});
    case Kind::Truncated:
        return sound.open(QIODevice::ReadOnly) && write(path, sound.read(sound.size() / 3));
    case Kind::NotAJpeg:
        return write(path, "This is no picture, only a line of text.\n");
    case Kind::Folder:
        return QDir(folder).mkdir(fileName);
    case Kind::HugeBaseline:
        return write(path, jpegDeclaring(65535, 65535, false));
    case Kind::VeryLargeBaseline:
        return write(path, jpegDeclaring(60000, 60000, false));
    case Kind::LargeProgressive:
        return write(path, jpegDeclaring(8000, 8000, true));
    case Kind::BigProgressive:
        return write(path, jpegDeclaring(2000, 2000, true));
    case Kind::LargePng:
        return write(path, pngDeclaring(8000, 8000));
    case Kind::Sparse: {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("\xff\xd8", 2) == 2 && file.resize(1LL << 40);
    }
    case Kind::ScanBomb:
        return write(path, jpegRepeatingAScan(2048, 2048, 20000));
    case Kind::IconUnderJpegName:
        return write(path, iconHoldingPng(5600));
    }
    return false;
}

} // namespace HostilePicture
