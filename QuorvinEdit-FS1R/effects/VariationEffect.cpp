// The variation effect: 28 types, their pages on the definitions of
// 0x100068..0x100106.
#include "effects/EffectBlockDescriptions.h"
#include "effects/VariationTables.h"

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
        variationDefinitions(),
        variationPages(),
    };
    return description;
}
