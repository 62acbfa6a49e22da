#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// The ways a picture beside the program can be bad, and how to lay each one down.
namespace HostilePicture {

enum class Kind {
    Sound,            // the program's own picture, as shipped
    Missing,
    Empty,
    Truncated,        // the first bytes of a sound picture
    NotAJpeg,         // text under a picture's name
    Folder,           // a folder where the file should be
    HugeBaseline,     // a baseline JPEG declaring 65535 x 65535 pixels
    VeryLargeBaseline, // a baseline JPEG declaring 60000 x 60000 pixels, within the decoder's limits
    LargeProgressive, // a progressive JPEG declaring 8000 x 8000 pixels, its data cut short
    BigProgressive,   // a progressive JPEG declaring 2000 x 2000 pixels, its data cut short
    LargePng,         // a PNG under a JPEG's name declaring 8000 x 8000 pixels, cut short
    Sparse,           // a JPEG start marker, then a terabyte of sparse zeros
    ScanBomb,         // a progressive JPEG of 2048 x 2048 pixels repeating one scan 20,000 times
    IconUnderJpegName, // an icon file claiming 256 x 256 that holds a 5600 x 5600 PNG
};

// A small JPEG, baseline or progressive, whose frame header claims the given size.
QByteArray jpegDeclaring(int width, int height, bool progressive);

// The size a JPEG's frame header claims, read straight from its bytes.
QSize declaredJpegSize(const QByteArray& jpeg);

// A small PNG whose header claims the given size, its pixel data cut short.
QByteArray pngDeclaring(int width, int height);

// A progressive JPEG declaring width x height whose last scan comes again extraScans times.
QByteArray jpegRepeatingAScan(int width, int height, int extraScans);

// An icon file whose one entry claims 256 x 256 pixels and holds a whole,
// black PNG of side x side pixels.
QByteArray iconHoldingPng(int side);

// Puts the file (or folder) named fileName into folder as the kind says;
// soundPicture is the path of a good picture to copy or cut short.
bool layDown(Kind kind, const QString& folder, const QString& fileName, const QString& soundPicture);

} // namespace HostilePicture
