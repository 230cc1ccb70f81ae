// The reverb effect: 16 types, their pages on the definitions of
// 0x100050..0x100067.
#include "effects/EffectBlockDescriptions.h"
#include "effects/ReverbTables.h"

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
        reverbDefinitions(),
        reverbPages(),
    };
    return description;
}
