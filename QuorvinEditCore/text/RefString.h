#pragma once
// The editor's shared, immutable UTF-16 text: names, keys, labels and log texts.
// Copies share one block; a null handle reads as the empty string. The count
// is atomic and pointer-wide, so a text may be copied from two threads and
// can never wrap.
#include "text/Rational.h"

#include <cstddef>
#include <string>
#include <string_view>

class RefString {
public:
    RefString() = default;
    // A null text gives the null handle whatever the length; -1 measures the
    // text up to its terminating zero. Length 0 gives a non-null empty text.
    RefString(const char16_t* text, std::ptrdiff_t length = -1);
    RefString(std::u16string_view text);
    // Each byte becomes one unit (Latin-1 widening).
    static RefString fromNarrow(const char* text, std::ptrdiff_t length = -1);
    static RefString fromUtf8(std::string_view text);
    // A block for n units that the caller fills, terminator included; n = 0
    // gives the null handle and no character pointer.
    static RefString allocate(std::size_t n, char16_t*& characters);

    RefString(const RefString& other) noexcept;
    RefString(RefString&& other) noexcept;
    RefString& operator=(const RefString& other) noexcept;
    RefString& operator=(RefString&& other) noexcept;
    ~RefString() { release(); }

    // Drops this handle's share; the block is freed with its last handle.
    void release() noexcept;

    static bool equals(const RefString& a, const RefString& b);
    // Empty is less than every non-empty text; otherwise unsigned unit order,
    // a prefix being the lesser.
    static bool lessThan(const RefString& a, const RefString& b);
    static bool matchesAt(const RefString& text, const char16_t* pattern, std::size_t position);
    static RefString concat(const RefString& a, const RefString& b);
    // Decimal digits of a non-negative number, no sign, no padding.
    static RefString fromInt(std::uint32_t n);
    // Fixed-point text with 0 to 3 decimals chosen by the denominator;
    // dropped digits are truncated.
    static RefString fromFixed(Rational value, bool showPlus);

    bool isNull() const { return block_ == nullptr; }
    bool isEmpty() const { return length() == 0; }
    std::size_t length() const;
    // Never null: the empty string for a null handle.
    const char16_t* c_str() const;
    std::u16string_view view() const { return {c_str(), length()}; }
    std::string toUtf8() const;
    // Number of handles sharing this block (0 for the null handle).
    std::size_t shareCount() const;

    friend bool operator==(const RefString& a, const RefString& b) { return equals(a, b); }
    friend bool operator<(const RefString& a, const RefString& b) { return lessThan(a, b); }

private:
    struct Block;
    explicit RefString(Block* block) : block_(block) {}
    static Block* makeBlock(std::size_t units);
    static RefString formatNumber(std::uint64_t digits, int decimals, char16_t sign);

    Block* block_ = nullptr;
};

// A wide text followed by a RefString, as in "I: " and an item label.
RefString concatString(const char16_t* text, const RefString& tail);
