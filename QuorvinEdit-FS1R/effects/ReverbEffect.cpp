// The reverb effect: its header stands; its definitions and pages are still
// to come, so no type shows a page yet.
#include "effects/EffectBlockDescriptions.h"

#include <wx/translation.h>

const EffectBlockDescription& reverbEffect()
{
    static const EffectBlockDescription description{
        wxTRANSLATE("FS1R rev header"),
        wxTRANSLATE("FS1R rev"),
        wxTRANSLATE("Reverb"),
        0x100128,
        16,
        23,
        956,
        {},
        {},
    };
    return description;
}
