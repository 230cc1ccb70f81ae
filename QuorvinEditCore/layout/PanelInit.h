#pragma once
// A page reset is one undo step on every page's history: the controls are
// reset inside one command group named "Panel init".
#include <cstdint>
#include <functional>

// Runs resetControls inside the group; flags that do not record open none.
// The group is closed even when resetControls throws.
void runPanelInit(std::uint32_t flags, const std::function<void()>& resetControls);
