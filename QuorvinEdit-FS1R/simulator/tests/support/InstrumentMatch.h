#pragma once
// The check every end-to-end test makes after each action: the simulated
// instrument holds what the editor shows in the system, performance and
// voice areas. The formant sequence is left out: its frames go to the
// instrument only by the sequence page's own dump. So is the voice of a part
// that is off: the editor shows an initial voice there, the instrument keeps
// what it had, and nothing plays it.
#include "instrument/Fs1rDevice.h"
#include "simulator/SimulatedFs1r.h"

#include <gtest/gtest.h>

// Success, or each area that differs with its first differing places.
testing::AssertionResult instrumentHoldsWhatTheEditorShows(const SimulatedFs1r& instrument, Fs1rDevice& editor);
