#pragma once
// Loads the patch a selection names into the editor. Not bound to a button:
// the page hangs it as a dependent on the parameter that selects the patch,
// so a selection set with the load trigger (the user's choice, a loaded or
// received performance naming its voices) loads that patch. As the guard of
// the selection, it lets the user's own choice, and an undo or redo that
// loads again, through only once the device has the user's leave to replace
// what the load replaces.
#include "commands/CommandParameter.h"
#include "params/ChangeGuard.h"

class Device;

class LoadPatchCommandParameter final : public CommandParameter, public ChangeGuard {
public:
    // sentOnly: for the first half of a selection made in two steps (a bank,
    // then a number). Sent, the instrument loads at each step too, so the
    // step loads the patch it then plays; received, the instrument plays
    // what the whole selection names, which the load of the other half
    // brings, and a load from the first half alone would file that patch
    // under another slot.
    LoadPatchCommandParameter(Device& device, std::int32_t part, bool sentOnly = false);

    void apply(std::uint32_t flags, std::int32_t value) override;
    // Loads and resets change the selection without asking, and so does an
    // undo or redo, which has asked before it replays: only the user's edit
    // of it asks here.
    bool allowsChange(std::uint32_t flags) override;
    // An undo or redo asks whenever it would load, whoever made the change:
    // the pages may have been edited since.
    bool allowsReplay(std::uint32_t flags) override;

private:
    void run() override;
    bool loadsWith(std::uint32_t flags) const;

    Device& device_;
    const std::int32_t part_;
    const bool sentOnly_;
};
