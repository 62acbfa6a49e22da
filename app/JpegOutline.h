#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// What a JPEG file's markers say about the work of decoding it, read before
// any decoder sees the file. A picture beside the program is shown only when
// this outline is bounded: a decoder handed a hostile file can take minutes
// or hundreds of megabytes on the only thread the doctor's windows have.
struct JpegOutline {
    // The largest picture file read at all; the program's own are some 16 kB.
    static constexpr std::size_t largestFileBytes = 4u * 1024 * 1024;
    // Far more than a box of these sizes could show. A progressive JPEG is
    // decoded whole before it is scaled down, so this also bounds its memory.
    static constexpr std::int64_t largestPixels = 2048LL * 2048;
    // Each scan of a progressive JPEG is a pass over the whole picture; an
    // ordinary one has about ten.
    static constexpr int mostScans = 64;

    static JpegOutline of(std::span<const std::uint8_t> bytes);

    // Whether a decoder may be given the file: well formed as far as its data
    // goes, one frame of a sensible size, and not too many scans.
    bool decodingIsBounded() const;

    bool wellFormed = false;
    int width = 0;
    int height = 0;
    int scans = 0;
};
