#include "text/RefString.h"

#include <atomic>
#include <cstring>
#include <limits>
#include <new>

struct RefString::Block {
    std::atomic<std::size_t> count{1};
    // Number texts are written backwards from the block's end, so the text
    // may start anywhere inside the block.
    const char16_t* text = nullptr;

    char16_t* units() { return reinterpret_cast<char16_t*>(this + 1); }
};

namespace {

std::size_t measure(const char16_t* text)
{
    std::size_t n = 0;
    while (text[n] != 0)
        ++n;
    return n;
}

// Appends the UTF-8 form of one code point.
void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence; a malformed one yields U+FFFD and one byte.
char32_t decodeUtf8(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || i + extra >= text.size() + (extra == 0 ? 1 : 0)) {
        ++i;
        return extra == 0 ? lead : 0xFFFD;
    }
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    i += extra + 1;
    return cp;
}

} // namespace

RefString::Block* RefString::makeBlock(std::size_t units)
{
    void* memory = ::operator new(sizeof(Block) + (units + 1) * sizeof(char16_t));
    Block* block = new (memory) Block;
    block->text = block->units();
    return block;
}

RefString::RefString(const char16_t* text, std::ptrdiff_t length)
{
    if (text == nullptr)
        return;
    const std::size_t n = length < 0 ? measure(text) : std::size_t(length);
    block_ = makeBlock(n);
    std::memcpy(block_->units(), text, n * sizeof(char16_t));
    block_->units()[n] = 0;
}

RefString::RefString(std::u16string_view text) : RefString(text.data() ? text.data() : u"", std::ptrdiff_t(text.size()))
{
}

RefString RefString::fromNarrow(const char* text, std::ptrdiff_t length)
{
    if (text == nullptr)
        return {};
    const std::size_t n = length < 0 ? std::strlen(text) : std::size_t(length);
    Block* block = makeBlock(n);
    for (std::size_t i = 0; i < n; ++i)
        block->units()[i] = static_cast<unsigned char>(text[i]);
    block->units()[n] = 0;
    return RefString(block);
}

RefString RefString::fromUtf8(std::string_view text)
{
    std::u16string units;
    units.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = decodeUtf8(text, i);
        if (cp >= 0x10000) {
            units += char16_t(0xD800 + ((cp - 0x10000) >> 10));
            units += char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            units += char16_t(cp);
        }
    }
    return RefString(std::u16string_view(units));
}

RefString RefString::allocate(std::size_t n, char16_t*& characters)
{
    if (n == 0)
        return {};
    Block* block = makeBlock(n);
    characters = block->units();
    return RefString(block);
}

RefString::RefString(const RefString& other) noexcept : block_(other.block_)
{
    if (block_)
        block_->count.fetch_add(1, std::memory_order_relaxed);
}

RefString::RefString(RefString&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }

RefString& RefString::operator=(const RefString& other) noexcept
{
    RefString copy(other);
    std::swap(block_, copy.block_);
    return *this;
}

RefString& RefString::operator=(RefString&& other) noexcept
{
    if (this != &other) {
        release();
        std::swap(block_, other.block_);
    }
    return *this;
}

void RefString::release() noexcept
{
    if (block_ && block_->count.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        block_->~Block();
        ::operator delete(block_);
    }
    block_ = nullptr;
}

std::size_t RefString::length() const { return block_ ? measure(block_->text) : 0; }

const char16_t* RefString::c_str() const { return block_ ? block_->text : u""; }

std::size_t RefString::shareCount() const { return block_ ? block_->count.load(std::memory_order_relaxed) : 0; }

std::string RefString::toUtf8() const
{
    std::string out;
    const std::u16string_view units = view();
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t cp = units[i];
        const bool highSurrogate = cp >= 0xD800 && cp < 0xDC00;
        if (highSurrogate && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD; // an unpaired surrogate has no UTF-8 form
        }
        appendUtf8(out, cp);
    }
    return out;
}

bool RefString::equals(const RefString& a, const RefString& b)
{
    const char16_t* x = a.c_str();
    const char16_t* y = b.c_str();
    while (*x != 0 && *x == *y) {
        ++x;
        ++y;
    }
    return *x == *y;
}

bool RefString::lessThan(const RefString& a, const RefString& b)
{
    const char16_t* x = a.c_str();
    const char16_t* y = b.c_str();
    while (*x != 0 && *x == *y) {
        ++x;
        ++y;
    }
    return *x < *y; // char16_t compares unsigned; the terminator sorts first
}

bool RefString::matchesAt(const RefString& text, const char16_t* pattern, std::size_t position)
{
    if (position >= text.length())
        return false;
    const char16_t* units = text.c_str() + position;
    for (std::size_t i = 0; pattern[i] != 0; ++i)
        if (units[i] != pattern[i])
            return false; // also stops at the text's terminator
    return true;
}

RefString RefString::concat(const RefString& a, const RefString& b)
{
    if (b.isNull())
        return a;
    if (a.isNull())
        return b;
    const std::size_t la = a.length();
    const std::size_t lb = b.length();
    Block* block = makeBlock(la + lb);
    std::memcpy(block->units(), a.c_str(), la * sizeof(char16_t));
    std::memcpy(block->units() + la, b.c_str(), (lb + 1) * sizeof(char16_t));
    return RefString(block);
}

RefString RefString::fromInt(std::uint32_t n) { return formatNumber(n, 0, 0); }

RefString RefString::fromFixed(Rational value, bool showPlus)
{
    using Wide = unsigned __int128;
    constexpr Wide thousandths = 1000;
    const std::uint64_t magnitude =
        value.numerator < 0 ? std::uint64_t(0) - std::uint64_t(value.numerator) : std::uint64_t(value.numerator);
    // In 128 bits: a 32-bit count of thousandths would print values above
    // about 4.29 million wrong.
    Wide m = Wide(magnitude) * thousandths / value.denominator;
    const std::uint32_t d = value.denominator;
    const int decimals = d < 2 ? 0 : d < 20 ? 1 : d < 200 ? 2 : 3;
    for (int dropped = 3 - decimals; dropped > 0; --dropped)
        m /= 10;
    // Only numerators near the 64-bit limit with decimals get past 64 bits.
    constexpr std::uint64_t mostDigits = std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t digits = m > mostDigits ? mostDigits : std::uint64_t(m);
    const char16_t sign = value.numerator < 0 ? u'-' : (showPlus && value.numerator != 0) ? u'+' : 0;
    return formatNumber(digits, decimals, sign);
}

// Writes the digits backwards from the end of one block, so a number text
// costs one allocation.
RefString RefString::formatNumber(std::uint64_t digits, int decimals, char16_t sign)
{
    constexpr std::size_t capacity = 24; // 20 digits, the point and the sign
    Block* block = makeBlock(capacity);
    char16_t* p = block->units() + capacity;
    *p = 0;
    for (int i = 0; i < decimals; ++i) {
        *--p = char16_t(u'0' + digits % 10);
        digits /= 10;
    }
    if (decimals > 0)
        *--p = u'.';
    do {
        *--p = char16_t(u'0' + digits % 10);
        digits /= 10;
    } while (digits != 0);
    if (sign != 0)
        *--p = sign;
    block->text = p;
    return RefString(block);
}

RefString concatString(const char16_t* text, const RefString& tail)
{
    return RefString::concat(RefString(text), tail);
}
