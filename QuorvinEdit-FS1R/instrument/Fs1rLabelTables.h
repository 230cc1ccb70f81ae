#pragma once
// The FS1R's value-label tables as data: for each table number, the runs of
// literal texts and generating rules that spell its labels in value order.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// Which labels of a table go through the message catalogues.
enum class LabelTranslation {
    none,
    all,
    // Only the words: the numbers between them stay as they are.
    wordsOnly,
};

// One run of consecutive labels: literal texts, or a rule making count labels.
struct LabelSegment {
    enum class Kind {
        texts,
        // first + i * step for i below count, in units of 10^-decimals.
        series,
        // "C-2", "C#-2" ... for notes 0 to count - 1.
        noteNames,
        // 48 kHz divided by value + 1, for values 0 to count - 1.
        sampleRates,
    };

    Kind kind = Kind::texts;
    std::span<const char* const> texts;
    int first = 0;
    int step = 0;
    int count = 0;
    int decimals = 0;
};

inline constexpr std::size_t maxLabelSegments = 4;

struct LabelTableRule {
    LabelTranslation translation = LabelTranslation::none;
    // Unused trailing segments are empty text runs.
    std::array<LabelSegment, maxLabelSegments> segments;
};

inline constexpr std::int32_t fs1rLabelTableCount = 27;

// The rule of table id, 0 to fs1rLabelTableCount - 1.
const LabelTableRule& fs1rLabelTable(std::int32_t id);
