#include "fseq/FseqTrackGeometry.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <utility>

namespace {

// An exact fraction for the intermediate sums; reduced after each step so
// the products of pixel counts, range spans and zoom denominators stay small.
struct Fraction {
    std::int64_t n;
    std::int64_t d;

    Fraction(std::int64_t numerator, std::int64_t denominator = 1) : n(numerator), d(denominator)
    {
        if (d < 0) {
            n = -n;
            d = -d;
        }
        const std::int64_t divisor = std::gcd(n, d);
        if (divisor > 1) {
            n /= divisor;
            d /= divisor;
        }
    }
    explicit Fraction(Rational r) : Fraction(r.numerator, std::int64_t(r.denominator)) {}

    friend Fraction operator+(Fraction a, Fraction b) { return {a.n * b.d + b.n * a.d, a.d * b.d}; }
    friend Fraction operator-(Fraction a, Fraction b) { return {a.n * b.d - b.n * a.d, a.d * b.d}; }
    friend Fraction operator*(Fraction a, Fraction b) { return {a.n * b.n, a.d * b.d}; }
    // b must not be zero.
    friend Fraction operator/(Fraction a, Fraction b) { return {a.n * b.d, a.d * b.n}; }
    friend bool operator<(Fraction a, Fraction b) { return a.n * b.d < b.n * a.d; }

    // Halves away from zero.
    std::int64_t rounded() const { return n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d)); }
};

Fraction clampFraction(Fraction value, Fraction low, Fraction high)
{
    return value < low ? low : (high < value ? high : value);
}

// The part of a stroke, as fractions t of its length (0 at its first end),
// whose coordinate start + t x delta lies in [low, high] on one axis; none
// when that part is empty.
struct StrokePart {
    Fraction from{0};
    Fraction to{1};
};

std::optional<StrokePart> withinAxis(StrokePart part, std::int64_t start, std::int64_t delta, std::int64_t low,
    std::int64_t high)
{
    if (delta == 0) {
        if (start < low || start > high)
            return std::nullopt;
        return part;
    }
    Fraction enter(low - start, delta);
    Fraction leave(high - start, delta);
    if (delta < 0)
        std::swap(enter, leave);
    if (part.from < enter)
        part.from = enter;
    if (leave < part.to)
        part.to = leave;
    if (part.to < part.from)
        return std::nullopt;
    return part;
}

} // namespace

FseqTrackGeometry::FseqTrackGeometry(bool wholePixels, int mode, bool level)
    : wholePixels_(wholePixels), mode_(mode), level_(level)
{
}

void FseqTrackGeometry::setFrameCount(int frames)
{
    frames_ = std::max(frames, 0);
    computeStep();
}

void FseqTrackGeometry::setArea(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    computeStep();
}

void FseqTrackGeometry::setValueRange(std::int32_t minimum, std::int32_t maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
}

bool FseqTrackGeometry::setVisibleRange(Rational low, Rational high)
{
    if (!(Fraction(low) < Fraction(high)))
        return false;
    low_ = low;
    high_ = high;
    return true;
}

void FseqTrackGeometry::computeStep()
{
    if (width_ == 0) {
        step_ = Rational(1);
        return;
    }
    const int cells = mode_ == 0 ? std::max(frames_, 2) - 1 : std::max(frames_, 1);
    step_ = Rational(width_, std::uint32_t(cells));
    // Whole pixels never round down to nothing: a zero step maps no pixel.
    if (wholePixels_)
        step_ = Rational(std::max<std::int64_t>(Rational::floor(step_), 1));
}

Rational FseqTrackGeometry::lastPixel() const
{
    const int frames = mode_ == 0 ? std::max(frames_ - 1, 0) : frames_;
    return Rational(step_.numerator * frames, step_.denominator);
}

int FseqTrackGeometry::frameFromPixel(int x) const
{
    const int held = std::clamp(x, 0, std::max(width_ - 1, 0));
    return int((Fraction(held) / Fraction(step_)).rounded());
}

int FseqTrackGeometry::pixelFromFrame(int frame) const { return int((Fraction(frame) * Fraction(step_)).rounded()); }

int FseqTrackGeometry::valueRows() const { return std::max(height_ - 1, 0); }

int FseqTrackGeometry::pixelFromValue(std::int32_t value) const
{
    const std::int64_t span = std::int64_t(maximum_) - minimum_;
    Fraction position(0);
    if (span > 0) {
        const Fraction fraction(std::int64_t(value) - minimum_, span);
        position = (fraction - Fraction(low_)) * Fraction(valueRows()) / (Fraction(high_) - Fraction(low_));
    }
    const Fraction y = level_ ? position : Fraction(valueRows()) - position;
    // Far outside when zoomed in; the context clips, the int must not wrap.
    return int(clampFraction(y, Fraction(-height_ - 1), Fraction(2 * std::int64_t(height_) + 1)).rounded());
}

std::int32_t FseqTrackGeometry::valueFromPixel(Rational y) const
{
    const std::int64_t span = std::int64_t(maximum_) - minimum_;
    if (span == 0 || valueRows() == 0)
        return minimum_;
    const Fraction rows(valueRows());
    const Fraction held = clampFraction(Fraction(y), Fraction(0), rows);
    const Fraction position = level_ ? held : rows - held;
    const Fraction fraction = Fraction(low_) + position / rows * (Fraction(high_) - Fraction(low_));
    const std::int64_t value = minimum_ + (fraction * Fraction(span)).rounded();
    return std::int32_t(std::clamp<std::int64_t>(value, minimum_, maximum_));
}

std::optional<FseqFrameEdit> FseqTrackGeometry::pointEdit(int x, int y) const
{
    if (!(Fraction(x) < Fraction(lastPixel())))
        return std::nullopt;
    const int frame = frameFromPixel(x);
    if (frame >= frames_)
        return std::nullopt;
    return FseqFrameEdit{frame, valueFromPixel(Rational(y))};
}

std::vector<FseqFrameEdit> FseqTrackGeometry::segmentEdits(int x0, int y0, int x1, int y1) const
{
    // The stroke is cut where it leaves the drawing area.
    const std::int64_t dx = std::int64_t(x1) - x0;
    const std::int64_t dy = std::int64_t(y1) - y0;
    std::optional<StrokePart> part = withinAxis(StrokePart{}, x0, dx, 0, std::max(width_ - 1, 0));
    if (part)
        part = withinAxis(*part, y0, dy, 0, valueRows());
    if (!part)
        return {};
    const auto at = [](Fraction t, std::int64_t start, std::int64_t delta) {
        return Fraction(start) + t * Fraction(delta);
    };
    Fraction ax = at(part->from, x0, dx);
    Fraction ay = at(part->from, y0, dy);
    Fraction bx = at(part->to, x0, dx);
    Fraction by = at(part->to, y0, dy);
    if (frameFromPixel(int(ax.rounded())) == frameFromPixel(int(bx.rounded()))) {
        const auto edit = pointEdit(int(bx.rounded()), int(by.rounded()));
        return edit ? std::vector<FseqFrameEdit>{*edit} : std::vector<FseqFrameEdit>{};
    }
    // Walked left to right whichever way it was drawn, so both give the same.
    if (bx < ax) {
        std::swap(ax, bx);
        std::swap(ay, by);
    }
    const int first = frameFromPixel(int(ax.rounded()));
    const int last = std::min(frameFromPixel(int(bx.rounded())), frames_ - 1);
    const Fraction slope = (by - ay) / (bx - ax);
    std::vector<FseqFrameEdit> edits;
    for (int frame = first; frame <= last; ++frame) {
        // The end frames' pixels may lie just beyond the stroke's ends.
        const Fraction x = clampFraction(Fraction(frame) * Fraction(step_), ax, bx);
        const Fraction y = ay + (x - ax) * slope;
        edits.push_back({frame, valueFromPixel(Rational(y.n, std::uint32_t(y.d)))});
    }
    return edits;
}
