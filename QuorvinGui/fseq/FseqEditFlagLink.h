#pragma once
// Keeps the edit flags of the graph's tracks exclusive: switching one on
// switches the others off, unless the add key is held, which adds the track
// to the edited set. Owned by the graph; the flags belong to the tracks.
#include "params/ParameterListener.h"

#include <functional>
#include <vector>

class FseqEditFlagLink : public ParameterListener {
public:
    // Whether the key that adds to the edited set is held right now.
    explicit FseqEditFlagLink(std::function<bool()> addKeyHeld);

    void watch(Parameter& editFlag);

    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;
    void onParameterDestroyed(Parameter* parameter) override;

private:
    std::function<bool()> addKeyHeld_;
    std::vector<Parameter*> flags_;
};
