#pragma once
// Where the values of a range control lie along its track, which handle a
// press picks and which parts of the track are filled. Plain arithmetic in
// track pixels counted from the track's start; owned by whoever asks.
#include <cstdint>
#include <vector>

class RangeTrack {
public:
    enum class Handle { min, max };

    // A stretch of the track: from a position, for a length in pixels.
    struct Piece {
        std::int32_t from;
        std::int32_t length;
        bool operator==(const Piece&) const = default;
    };

    // The space kept free at each end: room for the value texts in the
    // track, the border only, or none.
    static std::int32_t margin(int valueTextMode, bool fixedMargin, std::int32_t border, std::int32_t textWidth);

    RangeTrack(std::int32_t minimum, std::int32_t maximum, std::int32_t margin, std::int32_t trackLength);

    // A one-value range puts every value at 0.
    std::int32_t position(std::int32_t value) const;

    // The handle nearer the pointer, given the signed distances from each
    // handle to it. On a tie the pointer's side decides: below or left of
    // the handles picks the min, so pulling apart works either way.
    static Handle nearerHandle(std::int64_t fromMin, std::int64_t fromMax);

    // The filled stretches from low to high; limits crossed by other means
    // fill from each end of the track instead, and equal limits one pixel.
    static std::vector<Piece> barPieces(std::int32_t start, std::int32_t end, std::int32_t low, std::int32_t high);

    // The zero line always shows without a fixed margin; with one, only
    // while the bar is shorter than the zero position.
    static bool showsZeroLine(bool fixedMargin, std::int32_t low, std::int32_t high, std::int32_t zero);

private:
    std::int64_t minimum_;
    std::int64_t maximum_;
    std::int64_t margin_;
    std::int64_t trackLength_;
};
