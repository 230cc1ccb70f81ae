#pragma once
// An on/off switch over a parameter with a wide range (the formant-sequence
// speed): on sets the source to a fixed high value, off to a fixed low one,
// and the switch reads on whenever the source stands at the threshold or
// above, however the source got there. Owned by the page that makes it; the
// source is not owned.
#include "params/Parameter.h"
#include "params/ParameterListener.h"

class ThresholdSwitchParameter final : public Parameter, private ParameterListener {
public:
    static constexpr std::int32_t threshold = 100;
    static constexpr std::int32_t offValue = 2;
    static constexpr std::int32_t onValue = 1000;

    // Makes the off value the source's default and sets the source to it.
    explicit ThresholdSwitchParameter(Parameter& source);

    // 1 when the source is at the threshold or above, else 0 (also once the
    // source is gone).
    std::int32_t getValue() const override;
    // Sets the source with the same flags: off for 0, on for any other
    // value; "no value" leaves the source alone.
    void apply(std::uint32_t flags, std::int32_t value) override;

private:
    // The source changed: the switch's listeners are told, so a control
    // bound to the switch follows a received or loaded speed.
    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;
    void onParameterDestroyed(Parameter* parameter) override;

    Parameter* source_;
    // The switch's own setValue tells its listeners itself.
    bool settingSource_ = false;
};
