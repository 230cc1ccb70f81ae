// The variation effect: its header stands; its definitions and pages are still
// to come, so no type shows a page yet.
#include "effects/EffectBlockDescriptions.h"

#include <wx/translation.h>

const EffectBlockDescription& variationEffect()
{
    static const EffectBlockDescription description{
        wxTRANSLATE("FS1R var header"),
        wxTRANSLATE("FS1R var"),
        wxTRANSLATE("Variation"),
        0x10012b,
        28,
        26,
        810,
        {},
        {},
    };
    return description;
}
