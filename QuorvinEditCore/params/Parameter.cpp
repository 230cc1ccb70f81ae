#include "params/Parameter.h"

#include "labels/LabelList.h"
#include "params/ChangeGuard.h"
#include "params/ParameterRegistry.h"
#include "text/WxText.h"
#include "undo/ChangeStep.h"
#include "undo/CommandList.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace {

// Products of 32-bit values with 64-bit numerators need more than 64 bits.
using Wide = __int128;

constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();

std::int32_t saturate(Wide value)
{
    return value < lowest ? lowest : value > highest ? highest : std::int32_t(value);
}

// n / d for d > 0, rounded as Rational::roundWithMode rounds.
Wide divideRounded(Wide n, Wide d, int mode)
{
    switch (mode) {
    case Rational::Nearest: {
        const Wide twice = (2 * n) / d;
        return (n >= 0 ? twice + 1 : twice - 1) / 2;
    }
    case Rational::Floor: return n >= 0 ? n / d : (n - d + 1) / d;
    case Rational::Ceiling: return n >= 0 ? (n + d - 1) / d : n / d;
    case Rational::TowardZero: return n / d;
    case Rational::AwayFromZero: return n >= 0 ? (n + d - 1) / d : (n - d + 1) / d;
    default: return 0;
    }
}

// span x position, rounded half away from zero.
Wide scaledRounded(std::int64_t span, Rational position)
{
    return divideRounded(Wide(span) * position.numerator, position.denominator, Rational::Nearest);
}

// {n, span}; a range of one value (or an inverted one) gives 0.
Rational fraction(std::int64_t n, std::int64_t span)
{
    if (span <= 0)
        return Rational(0, 1);
    return Rational(n, std::uint32_t(span));
}

std::int32_t clampTo(std::int64_t value, std::int32_t low, std::int32_t high)
{
    if (value < low)
        return low;
    if (value > high)
        return high;
    return std::int32_t(value);
}

// Decimals printed for a scale denominator.
int precisionFor(std::uint32_t denominator)
{
    constexpr std::array<std::uint32_t, 3> limits{2, 20, 200};
    int precision = 0;
    while (precision < int(limits.size()) && denominator >= limits[precision])
        ++precision;
    return precision;
}

std::u16string_view trimBlanks(std::u16string_view text)
{
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ')
        text.remove_suffix(1);
    return text;
}

// A decimal number with an optional sign and '.' or ',' as separator.
std::optional<Rational> parseDecimal(std::u16string_view text)
{
    constexpr int maxDigits = 18;
    constexpr int maxDecimals = 9;
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    std::int64_t numerator = 0;
    std::uint32_t denominator = 1;
    int digits = 0;
    int decimals = -1;
    for (char16_t c : text) {
        if ((c == u'.' || c == u',') && decimals < 0) {
            decimals = 0;
        } else if (c >= u'0' && c <= u'9' && digits < maxDigits && decimals < maxDecimals) {
            numerator = numerator * 10 + (c - u'0');
            ++digits;
            if (decimals >= 0) {
                ++decimals;
                denominator *= 10;
            }
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    return Rational(negative ? -numerator : numerator, denominator);
}

const RefString& labelAt(const LabelList& labels, std::int64_t index)
{
    if (index < lowest || index > highest)
        return LabelList::emptyLabel();
    return labels.get(std::int32_t(index));
}

// Counts the setValue calls running on a parameter.
class SettingScope {
public:
    explicit SettingScope(std::uint32_t& depth) : depth_(depth) { ++depth_; }
    SettingScope(const SettingScope&) = delete;
    SettingScope& operator=(const SettingScope&) = delete;
    ~SettingScope() { --depth_; }

private:
    std::uint32_t& depth_;
};

} // namespace

Parameter::Parameter(std::int32_t minimum, std::int32_t maximum)
    : defaultValue_(minimum)
{
    setRange(minimum, maximum, flagsConstruct);
}

Parameter::~Parameter()
{
    listeners_.notifyDestroyed(this);
    leaveOtherParameters();
    leaveCommandLists();
    unregister();
}

// --- Value -------------------------------------------------------------------

void Parameter::setValue(std::uint32_t flags, std::int32_t value)
{
    if (!allowsChange(flags))
        return;
    if (value != noValue && (flags & SetValueFlag::noClamp) == 0)
        value = skipExcludedAndClamp(value);
    std::uint32_t dependentFlags = flags | SetValueFlag::doNotRecord;
    if ((flags & SetValueFlag::dependentsKeepStoring) == 0)
        dependentFlags &= ~SetValueFlag::storeBoundData;

    const SettingScope scope(settingDepth_);
    const ChangeStep step(*this, flags, value);
    runDependents(preDependents_, dependentFlags);
    // "No value" stores nothing, so there is nothing to undo.
    if (commandList_ != nullptr && value != noValue)
        commandList_->record(this, getValue(), value, flags);
    apply(flags, value);
    if ((flags & SetValueFlag::notify) != 0)
        listeners_.notifyAll(this, dependentFlags);
    // A replayed step holds the linked values it passed on: they come back
    // as they were, and not a second time.
    for (std::size_t i = 0; i < links_.size() && !CommandList::replaying(); ++i) {
        Parameter* linked = links_[i];
        if (linked->settingDepth_ == 0)
            linked->setValue(flags | SetValueFlag::doNotRecord, value);
    }
    runDependents(postDependents_, dependentFlags);
}

bool Parameter::allowsChange(std::uint32_t flags) const
{
    return changeGuard_ == nullptr || changeGuard_->allowsChange(flags);
}

bool Parameter::allowsReplay(std::uint32_t flags) const
{
    return changeGuard_ == nullptr || changeGuard_->allowsReplay(flags);
}

// Allowed bounds stay inside the full range even when a link asks for more,
// so a clamped value always fits the parameter's field.
std::int32_t Parameter::insideFullRange(std::int32_t bound) const
{
    return std::min(std::max(bound, minimum_), maximum_);
}

std::int32_t Parameter::skipExcludedAndClamp(std::int32_t value) const
{
    // The skip comes first, so an excluded value at the allowed maximum stays.
    const std::int64_t skipped = value == excludedValue_ ? std::int64_t(value) + 1 : value;
    return clampTo(skipped, allowedMinimum_, allowedMaximum_);
}

void Parameter::runDependents(const std::vector<Dependent>& dependents, std::uint32_t flags)
{
    for (std::size_t i = 0; i < dependents.size(); ++i) {
        const Dependent dependent = dependents[i];
        if (dependent.target->settingDepth_ == 0)
            dependent.target->setValue(flags, dependent.source != nullptr ? dependent.source->getValue() : noValue);
    }
}

bool Parameter::trySetValue(std::int32_t value, std::uint32_t flags, bool upward)
{
    if (value == noValue) {
        setValue(flags, noValue);
        return true;
    }
    std::int64_t wanted = value;
    if (value == excludedValue_)
        wanted += upward ? 1 : -1;
    const std::int32_t clamped = clampTo(wanted, allowedMinimum_, allowedMaximum_);
    if (clamped == getValue())
        return false;
    setValue(flags, clamped);
    return true;
}

void Parameter::stepUp(std::uint32_t flags)
{
    std::int64_t next = std::int64_t(getValue()) + 1;
    if (next == excludedValue_)
        ++next;
    if (next > allowedMaximum_)
        next = allowedMinimum_;
    setValue(flags, saturate(next));
}

void Parameter::setDisplayValue(std::uint32_t flags, Rational displayed) { setValue(flags, rawFromDisplay(displayed)); }

RefString Parameter::getName() const { return key_.text(); }

// --- Ranges ------------------------------------------------------------------

void Parameter::setRange(std::int32_t minimum, std::int32_t maximum, std::uint32_t flags)
{
    minimum_ = allowedMinimum_ = minimum;
    maximum_ = allowedMaximum_ = maximum;
    moveValueInto(flags, allowedMinimum_, allowedMaximum_);
}

void Parameter::setAllowedMin(std::int32_t value, std::uint32_t flags)
{
    allowedMinimum_ = insideFullRange(value);
    moveValueInto(flags, allowedMinimum_, allowedMaximum_);
}

void Parameter::setAllowedMax(std::int32_t value, std::uint32_t flags)
{
    allowedMaximum_ = insideFullRange(value);
    moveValueInto(flags, allowedMinimum_, allowedMaximum_);
}

void Parameter::setAllowedRange(std::int32_t low, std::int32_t high, std::uint32_t flags)
{
    allowedMaximum_ = insideFullRange(high);
    allowedMinimum_ = insideFullRange(low);
    moveValueInto(flags, allowedMinimum_, allowedMaximum_);
}

void Parameter::setMaxFromDisplay(std::uint32_t flags, int roundingMode, Rational displayed)
{
    maximum_ = allowedMaximum_ = rawBoundFromDisplay(roundingMode, displayed);
    moveValueInto(flags, lowest, allowedMaximum_);
}

void Parameter::setAllowedMaxFromDisplay(std::uint32_t flags, int roundingMode, Rational displayed)
{
    allowedMaximum_ = std::min(rawBoundFromDisplay(roundingMode, displayed), maximum_);
    moveValueInto(flags, lowest, allowedMaximum_);
}

void Parameter::setRangeFromDisplay(std::uint32_t flags, int minimumMode, int maximumMode,
    Rational displayedMinimum, Rational displayedMaximum)
{
    setRange(rawBoundFromDisplay(minimumMode, displayedMinimum), rawBoundFromDisplay(maximumMode, displayedMaximum),
        flags);
}

void Parameter::setAllowedRangeFromDisplay(std::uint32_t flags, int minimumMode, int maximumMode,
    Rational displayedMinimum, Rational displayedMaximum)
{
    setAllowedRange(rawBoundFromDisplay(minimumMode, displayedMinimum),
        rawBoundFromDisplay(maximumMode, displayedMaximum), flags);
}

void Parameter::moveValueInto(std::uint32_t flags, std::int32_t low, std::int32_t high)
{
    // A value received or loaded stays as it came, even outside the new
    // bounds: only a change that stores may move it, and one that must not
    // clamp (an undo putting back what was) does not.
    constexpr std::uint32_t movingFlags = SetValueFlag::notify | SetValueFlag::storeBoundData;
    if ((flags & movingFlags) != movingFlags || (flags & SetValueFlag::noClamp) != 0)
        return;
    const std::int32_t value = getValue();
    if (value < low)
        setValue(flags, low);
    else if (value > high)
        setValue(flags, high);
}

std::int32_t Parameter::rawBoundFromDisplay(int roundingMode, Rational displayed) const
{
    const Rational shifted = Rational::subtract(displayed, offset_);
    Wide numerator = Wide(shifted.numerator) * scale_.denominator;
    Wide denominator = Wide(shifted.denominator) * scale_.numerator;
    // A reversed scale turns the quotient's sign, not the rounding.
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    return saturate(divideRounded(numerator, denominator, roundingMode));
}

// --- Display mapping ---------------------------------------------------------

void Parameter::setDisplayScale(Rational scale, Rational offset, bool setDefault)
{
    // A zero scale would divide by zero; a negative one reverses the display.
    if (scale.numerator != 0 && std::abs(scale.numerator) <= highest)
        scale_ = scale;
    offset_ = offset;
    if (setDefault) {
        defaultValue_ = rawFromDisplay(Rational(0, 1));
        setValue(flagsConstruct, defaultValue_);
    }
}

Rational Parameter::displayOf(std::int32_t raw) const
{
    return Rational::add(Rational(std::int64_t(raw) * scale_.numerator, scale_.denominator), offset_);
}

std::int32_t Parameter::rawFromDisplay(Rational displayed) const
{
    return clampTo(rawBoundFromDisplay(Rational::Nearest, displayed), minimum_, maximum_);
}

bool Parameter::isBipolar() const { return displayOf(minimum_).numerator < 0; }

Rational Parameter::normalizedPosition() const
{
    const std::int64_t value = getValue();
    if (!isBipolar())
        return fraction(value - minimum_, std::int64_t(maximum_) - minimum_);
    const std::int64_t zero = rawFromDisplay(Rational(0, 1));
    if (value >= zero)
        return fraction(value - zero, maximum_ - zero);
    return fraction(value - zero, zero - minimum_);
}

void Parameter::setNormalizedPosition(std::uint32_t flags, Rational position)
{
    if (!isBipolar()) {
        if (position.numerator < 0)
            position = Rational(0, 1);
        setValue(flags, saturate(minimum_ + scaledRounded(std::max<std::int64_t>(std::int64_t(maximum_) - minimum_, 0), position)));
        return;
    }
    const std::int64_t zero = rawFromDisplay(Rational(0, 1));
    const std::int64_t span = position.numerator >= 0 ? maximum_ - zero : zero - minimum_;
    setValue(flags, saturate(zero + scaledRounded(std::max<std::int64_t>(span, 0), position)));
}

// --- Texts -------------------------------------------------------------------

RefString Parameter::valueText(std::int32_t raw) const { return displayText(displayOf(raw)); }

RefString Parameter::displayText(Rational displayed) const
{
    if (valueLabels_ != nullptr)
        return labelAt(*valueLabels_, Rational::round(displayed));
    return RefString::fromFixed(displayed, isBipolar());
}

wxString Parameter::formatValue(std::int32_t raw) const
{
    const Rational displayed = displayOf(raw);
    if (valueLabels_ != nullptr)
        return toWxString(labelAt(*valueLabels_, Rational::round(displayed)));
    const float number = float(double(displayed.numerator) / displayed.denominator);
    // Printed without the locale, so texts read the same in every language.
    std::array<char, 64> buffer{};
    char* end = buffer.data();
    if (isBipolar() && displayed.numerator > 0)
        *end++ = '+';
    // The decimals follow the scale, not an offset with a finer denominator.
    end = std::to_chars(end, buffer.data() + buffer.size(), number, std::chars_format::fixed,
        precisionFor(scale_.denominator)).ptr;
    return wxString::FromAscii(buffer.data(), std::size_t(end - buffer.data()));
}

std::int32_t Parameter::valueFromLabel(const RefString& text) const { return rawFromLabel(text).value_or(0); }

std::optional<std::int32_t> Parameter::rawFromLabel(const RefString& text) const
{
    if (valueLabels_ == nullptr)
        return std::nullopt;
    const std::int64_t base = Rational::round(offset_);
    for (std::int64_t v = minimum_; v <= maximum_; ++v) {
        if (RefString::equals(labelAt(*valueLabels_, base + v), text))
            return std::int32_t(v);
    }
    return std::nullopt;
}

std::optional<std::int32_t> Parameter::rawFromText(const RefString& text) const
{
    std::u16string_view typed = trimBlanks(text.view());
    if (const auto labelled = rawFromLabel(RefString(typed)))
        return labelled;
    const std::u16string_view unit = unit_.view();
    if (!unit.empty() && typed.ends_with(unit))
        typed = trimBlanks(typed.substr(0, typed.size() - unit.size()));
    const std::optional<Rational> displayed = parseDecimal(typed);
    if (!displayed)
        return std::nullopt;
    return rawFromDisplay(*displayed);
}

void Parameter::setBitmap(std::shared_ptr<const wxBitmap> picture, bool showText)
{
    picture_ = std::move(picture);
    showText_ = showText;
}

// --- Dependents and links ----------------------------------------------------

void Parameter::addPreDependent(Parameter* source, Parameter* target)
{
    if (target == nullptr)
        return;
    preDependents_.push_back({source, target});
    mention(source);
    mention(target);
}

void Parameter::addPostDependent(Parameter* source, Parameter* target)
{
    if (target == nullptr)
        return;
    postDependents_.push_back({source, target});
    mention(source);
    mention(target);
}

void Parameter::addLink(Parameter* linked)
{
    if (linked == nullptr)
        return;
    links_.push_back(linked);
    mention(linked);
}

void Parameter::mention(Parameter* other)
{
    if (other != nullptr && other != this)
        other->referrers_.push_back(this);
}

void Parameter::unmention(Parameter* other)
{
    if (other == nullptr || other == this)
        return;
    const auto entry = std::find(other->referrers_.begin(), other->referrers_.end(), this);
    if (entry != other->referrers_.end())
        other->referrers_.erase(entry);
}

void Parameter::dropMentionsOf(const Parameter* gone)
{
    const auto dropPairs = [&](std::vector<Dependent>& dependents) {
        std::erase_if(dependents, [&](const Dependent& dependent) {
            if (dependent.source != gone && dependent.target != gone)
                return false;
            if (dependent.source != gone)
                unmention(dependent.source);
            if (dependent.target != gone)
                unmention(dependent.target);
            return true;
        });
    };
    dropPairs(preDependents_);
    dropPairs(postDependents_);
    std::erase(links_, gone);
}

void Parameter::leaveOtherParameters()
{
    for (const auto* dependents : {&preDependents_, &postDependents_}) {
        for (const Dependent& dependent : *dependents) {
            unmention(dependent.source);
            unmention(dependent.target);
        }
    }
    for (Parameter* linked : links_)
        unmention(linked);
    preDependents_.clear();
    postDependents_.clear();
    links_.clear();

    std::vector<Parameter*> referrers = std::move(referrers_);
    referrers_.clear();
    std::sort(referrers.begin(), referrers.end());
    referrers.erase(std::unique(referrers.begin(), referrers.end()), referrers.end());
    for (Parameter* referrer : referrers)
        referrer->dropMentionsOf(this);
}

// --- Key and registry --------------------------------------------------------

void Parameter::setKeyAndRegister(const ParameterPath& path)
{
    unregister();
    key_.path = path;
    if (key_.isEmpty())
        return;
    ParameterRegistry& registry = ParameterRegistry::instance();
    while (registry.holds(key_))
        ++key_.path.index;
    registry.add(key_, this);
}

void Parameter::setKeyName(const RefString& name)
{
    unregister();
    key_.name = name;
    ParameterRegistry::instance().add(key_, this);
}

bool Parameter::isRegistered() const { return ParameterRegistry::instance().find(key_) == this; }

void Parameter::unregister() { ParameterRegistry::instance().remove(key_, this); }

// --- Undo --------------------------------------------------------------------

void Parameter::noteRecordedIn(CommandList* list)
{
    if (std::find(recordedIn_.begin(), recordedIn_.end(), list) == recordedIn_.end())
        recordedIn_.push_back(list);
}

void Parameter::leaveCommandLists()
{
    for (CommandList* list : recordedIn_) {
        if (isCommandListAlive(list))
            list->forgetParameter(this);
    }
    recordedIn_.clear();
}

Parameter* setParameterDisplayScale(Parameter* parameter, bool setDefault, Rational scale, Rational offset)
{
    parameter->setDisplayScale(scale, offset, setDefault);
    return parameter;
}
