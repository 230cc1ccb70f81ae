#pragma once
// The value node every control, memory entry, command and binding works on:
// ranges, excluded value, display mapping and texts, listeners, dependents,
// links and its key. Each kind says where its value lives (getValue, apply);
// every change goes through setValue. Whoever makes a parameter owns it; it
// owns none of the objects its lists point at.
#include "params/ListenerList.h"
#include "params/ParameterKey.h"
#include "params/SetValueFlags.h"
#include "text/Rational.h"
#include "text/RefString.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <wx/string.h>

class ChangeGuard;
class CommandList;
class LabelList;
class ParameterListener;
class wxBitmap;

class Parameter {
public:
    // "No value": passed to setValue and apply to make a parameter notify and
    // propagate without storing; also the excluded value meaning "none".
    static constexpr std::int32_t noValue = INT32_MIN;

    // A dependent pair: when the owner changes, the target is set to the
    // source's value, or to noValue when the source is null.
    struct Dependent {
        Parameter* source;
        Parameter* target;
    };

    Parameter(std::int32_t minimum, std::int32_t maximum);
    Parameter(const Parameter&) = delete;
    Parameter& operator=(const Parameter&) = delete;
    // Leaves every dependent and link list, the registry and every command
    // list that recorded it; its own listeners are told, then forget it.
    virtual ~Parameter();

    // --- Value, kept by each kind -------------------------------------------
    virtual std::int32_t getValue() const = 0;
    // Stores the value where this kind keeps it and does what the kind does
    // on these flags. Gets noValue to mean "store nothing".
    virtual void apply(std::uint32_t flags, std::int32_t value) = 0;
    // Sends the value held to the instrument again, changing nothing; only
    // the kinds the instrument holds do anything.
    virtual void resendValue() {}

    // The one way to change a value: ask the guard (a refusal ends the call),
    // skip the excluded value and clamp (unless noClamp), pre-dependents,
    // record, apply, notify, links, post-dependents. Every call runs every
    // step, changed or not.
    void setValue(std::uint32_t flags, std::int32_t value);
    // A step or drag in a known direction; false when it would not change
    // the value (then nothing is set and nobody is told).
    bool trySetValue(std::int32_t value, std::uint32_t flags, bool upward);
    // The next value up, wrapping to the allowed minimum.
    void stepUp(std::uint32_t flags);
    void setDisplayValue(std::uint32_t flags, Rational displayed);
    // The key's text.
    RefString getName() const;

    // --- Ranges -------------------------------------------------------------
    std::int32_t minimum() const { return minimum_; }
    std::int32_t maximum() const { return maximum_; }
    std::int32_t allowedMinimum() const { return allowedMinimum_; }
    std::int32_t allowedMaximum() const { return allowedMaximum_; }
    std::int32_t defaultValue() const { return defaultValue_; }
    void setDefaultValue(std::int32_t value) { defaultValue_ = value; }
    std::int32_t excludedValue() const { return excludedValue_; }
    // noValue means no value is excluded.
    void setExcludedValue(std::int32_t value) { excludedValue_ = value; }

    // Each range setter stores its bounds; only with the notify and
    // storeBoundData flags, and without noClamp, does it move a current value
    // that lies outside to the nearest bound, through setValue. A received or
    // loaded value stays, and so does one an undo puts back.
    void setRange(std::int32_t minimum, std::int32_t maximum, std::uint32_t flags);
    void setAllowedMin(std::int32_t value, std::uint32_t flags);
    void setAllowedMax(std::int32_t value, std::uint32_t flags);
    void setAllowedRange(std::int32_t low, std::int32_t high, std::uint32_t flags);
    // Bounds given as displayed values, converted with a Rational rounding
    // mode and not clamped to the full range (the full-range forms set it).
    void setMaxFromDisplay(std::uint32_t flags, int roundingMode, Rational displayed);
    void setAllowedMaxFromDisplay(std::uint32_t flags, int roundingMode, Rational displayed);
    void setRangeFromDisplay(std::uint32_t flags, int minimumMode, int maximumMode, Rational displayedMinimum,
        Rational displayedMaximum);
    void setAllowedRangeFromDisplay(std::uint32_t flags, int minimumMode, int maximumMode,
        Rational displayedMinimum, Rational displayedMaximum);

    // --- Display mapping: displayed = raw x scale + offset ------------------
    Rational scale() const { return scale_; }
    Rational offset() const { return offset_; }
    // A scale that is not positive is refused (the old one stays). With
    // setDefault, the raw value displayed as 0 becomes the default and the
    // value (set with flagsConstruct).
    void setDisplayScale(Rational scale, Rational offset, bool setDefault);
    Rational displayOf(std::int32_t raw) const;
    // Rounded half away from zero, clamped to the full range.
    std::int32_t rawFromDisplay(Rational displayed) const;
    // The minimum displays below 0.
    bool isBipolar() const;
    // The value as a fraction of its range, for controls and the copy
    // buffer. Bipolar parameters measure from the raw value displayed as 0:
    // 0..1 above it, -1..0 below it. A range of one value gives 0.
    Rational normalizedPosition() const;
    void setNormalizedPosition(std::uint32_t flags, Rational position);

    // --- Texts --------------------------------------------------------------
    RefString valueText(std::int32_t raw) const;
    // The label at the rounded displayed value, else the fixed-point text
    // (with a plus sign when bipolar).
    RefString displayText(Rational displayed) const;
    // Like valueText but rounded to the printed decimals; always with '.'.
    wxString formatValue(std::int32_t raw) const;
    // The first raw value whose label is the text; 0 when none is or when
    // there are no labels.
    std::int32_t valueFromLabel(const RefString& text) const;
    // Reads a text as the user sees it (a label, or a decimal number with an
    // optional unit after it) back to a raw value in the full range; none
    // for a text that is neither.
    std::optional<std::int32_t> rawFromText(const RefString& text) const;

    const LabelList* valueLabels() const { return valueLabels_; }
    // Not owned: the list must outlive the parameter.
    void setValueLabels(const LabelList* labels) { valueLabels_ = labels; }
    const RefString& unit() const { return unit_; }
    void setUnit(const RefString& unit) { unit_ = unit; }

    // Pictures are drawn by the GUI layer; the model only keeps them.
    // Per-value pictures are indexed by raw value, not owned.
    const wxBitmap* valuePictures() const { return valuePictures_; }
    void setValuePictures(const wxBitmap* pictures) { valuePictures_ = pictures; }
    const std::shared_ptr<const wxBitmap>& picture() const { return picture_; }
    bool showsText() const { return showText_; }
    void setBitmap(std::shared_ptr<const wxBitmap> picture, bool showText);

    // --- Listeners ----------------------------------------------------------
    void addListener(ParameterListener* listener) { listeners_.add(listener); }
    void removeListener(ParameterListener* listener) { listeners_.remove(listener); }
    ListenerList& listeners() { return listeners_; }
    const ListenerList& listeners() const { return listeners_; }
    // Tells every listener, as step 6 of setValue does.
    void notifyListeners(std::uint32_t flags) { listeners_.notifyAll(this, flags); }

    // --- Dependents and links (not owned) ----------------------------------
    // Pre-dependents run before the change is recorded and applied (a
    // source that is this parameter still reads its old value); post-
    // dependents run last.
    void addPreDependent(Parameter* source, Parameter* target);
    void addPostDependent(Parameter* source, Parameter* target);
    // A linked parameter takes every value this one is set to; the change's
    // step records it (ChangeStep), and an undo or redo puts back what the
    // step recorded rather than passing the value on again.
    void addLink(Parameter* linked);
    const std::vector<Dependent>& preDependents() const { return preDependents_; }
    const std::vector<Dependent>& postDependents() const { return postDependents_; }
    const std::vector<Parameter*>& links() const { return links_; }

    // --- Key and registry ---------------------------------------------------
    const ParameterKey& key() const { return key_; }
    // Gives the parameter a control's path and registers it, raising the
    // index until the key is free.
    void setKeyAndRegister(const ParameterPath& path);
    // Sets the name; registers only when the new key is free.
    void setKeyName(const RefString& name);
    bool isRegistered() const;

    // --- Guard --------------------------------------------------------------
    // Null lets every change through; the guard must outlive the parameter
    // or be taken away first.
    void setChangeGuard(ChangeGuard* guard) { changeGuard_ = guard; }
    // What the guard says of a change with these flags; a choice that sets
    // several values asks before it sets the first.
    bool allowsChange(std::uint32_t flags) const;
    // What the guard says of an undo or redo of a change made with these flags.
    bool allowsReplay(std::uint32_t flags) const;

    // --- Undo ---------------------------------------------------------------
    // The list that records this parameter's changes; null records nothing.
    CommandList* commandList() const { return commandList_; }
    void setCommandList(CommandList* list) { commandList_ = list; }

private:
    friend class CommandList;

    std::int32_t insideFullRange(std::int32_t bound) const;
    std::int32_t skipExcludedAndClamp(std::int32_t value) const;
    void runDependents(const std::vector<Dependent>& dependents, std::uint32_t flags);
    void moveValueInto(std::uint32_t flags, std::int32_t low, std::int32_t high);
    std::int32_t rawBoundFromDisplay(int roundingMode, Rational displayed) const;
    std::optional<std::int32_t> rawFromLabel(const RefString& text) const;

    void mention(Parameter* other);
    void unmention(Parameter* other);
    void dropMentionsOf(const Parameter* gone);
    void leaveOtherParameters();
    void leaveCommandLists();
    void unregister();
    // Called by a command list that stored a change of this parameter.
    void noteRecordedIn(CommandList* list);

    ListenerList listeners_;
    ParameterKey key_;
    ChangeGuard* changeGuard_ = nullptr;
    CommandList* commandList_ = nullptr;
    std::int32_t minimum_ = 0;
    std::int32_t maximum_ = 0;
    std::int32_t allowedMinimum_ = 0;
    std::int32_t allowedMaximum_ = 0;
    std::int32_t defaultValue_ = 0;
    std::int32_t excludedValue_ = noValue;
    Rational offset_{0, 1};
    Rational scale_{1, 1};
    const LabelList* valueLabels_ = nullptr;
    RefString unit_;
    const wxBitmap* valuePictures_ = nullptr;
    std::shared_ptr<const wxBitmap> picture_;
    bool showText_ = true;
    std::vector<Dependent> preDependents_;
    std::vector<Dependent> postDependents_;
    std::vector<Parameter*> links_;

    // Parameters whose dependent or link lists mention this one, once per
    // mention, so a destroyed parameter can leave them.
    std::vector<Parameter*> referrers_;
    // Command lists that hold a change of this parameter.
    std::vector<CommandList*> recordedIn_;
    // Depth of setValue calls running on this parameter; a dependent or a
    // link that leads back to a parameter being set is skipped, since the
    // cycle would never end.
    std::uint32_t settingDepth_ = 0;
};

// Sets the display mapping and returns the parameter, for builder chains.
Parameter* setParameterDisplayScale(Parameter* parameter, bool setDefault, Rational scale, Rational offset);
