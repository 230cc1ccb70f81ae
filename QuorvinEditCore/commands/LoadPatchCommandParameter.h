#pragma once
// Loads the patch a selection names into the editor. Not bound to a button:
// the page hangs it as a dependent on the parameter that selects the patch,
// so a selection set with the load trigger (the user's choice, a loaded or
// received performance naming its voices) loads that patch.
#include "commands/CommandParameter.h"

class Device;

class LoadPatchCommandParameter final : public CommandParameter {
public:
    LoadPatchCommandParameter(Device& device, std::int32_t part);

private:
    void run() override;

    Device& device_;
    const std::int32_t part_;
};
