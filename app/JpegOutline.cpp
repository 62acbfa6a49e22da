#include "app/JpegOutline.h"

namespace {
constexpr std::uint8_t markerPrefix = 0xff;
constexpr std::uint8_t startOfImage = 0xd8;
constexpr std::uint8_t endOfImage = 0xd9;
constexpr std::uint8_t startOfScan = 0xda;

bool isRestart(std::uint8_t marker) { return marker >= 0xd0 && marker <= 0xd7; }

// Start-of-frame markers C0 to CF, less the three that share their range
// (Huffman tables C4, arithmetic conditioning CC, and the reserved C8).
bool isStartOfFrame(std::uint8_t marker)
{
    return marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
}

unsigned bigEndian16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return (unsigned{bytes[at]} << 8) | bytes[at + 1];
}
} // namespace

JpegOutline JpegOutline::of(std::span<const std::uint8_t> bytes)
{
    JpegOutline outline;
    if (bytes.size() < 2 || bytes[0] != markerPrefix || bytes[1] != startOfImage)
        return outline;

    const std::size_t n = bytes.size();
    std::size_t at = 2;
    bool frameSeen = false;
    // A file cut short is well formed as far as it goes: the decoder shows what there is.
    while (at < n) {
        if (bytes[at] != markerPrefix)
            return outline; // bytes between segments: no decoder can be trusted to skip them quickly
        while (at < n && bytes[at] == markerPrefix)
            ++at; // fill bytes before a marker
        if (at >= n)
            break;
        const std::uint8_t marker = bytes[at++];
        if (marker == endOfImage)
            break;
        if (marker == 0x01 || isRestart(marker))
            continue; // markers without a segment
        if (marker == 0x00 || marker == startOfImage)
            return outline;
        if (at + 2 > n)
            break;
        const std::size_t length = bigEndian16(bytes, at);
        if (length < 2)
            return outline;
        const std::size_t segmentEnd = at + length;

        if (isStartOfFrame(marker)) {
            if (frameSeen)
                return outline;
            if (at + 7 > n)
                break;
            outline.height = static_cast<int>(bigEndian16(bytes, at + 3));
            outline.width = static_cast<int>(bigEndian16(bytes, at + 5));
            frameSeen = true;
        } else if (marker == startOfScan) {
            if (!frameSeen)
                return outline;
            if (++outline.scans > mostScans)
                break; // enough to refuse; the rest need not be read
            // The entropy-coded data runs to the next marker other than a
            // stuffed zero or a restart.
            at = segmentEnd;
            while (at + 1 < n
                   && !(bytes[at] == markerPrefix && bytes[at + 1] != 0x00 && !isRestart(bytes[at + 1])))
                at += bytes[at] == markerPrefix ? 2 : 1;
            if (at + 1 >= n)
                break;
            continue;
        }
        at = segmentEnd;
    }
    outline.wellFormed = true;
    return outline;
}

bool JpegOutline::decodingIsBounded() const
{
    return wellFormed && width > 0 && height > 0 && scans <= mostScans
        && std::int64_t{width} * height <= largestPixels;
}
