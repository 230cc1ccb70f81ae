// The insertion effect: 40 types whose pages also name the performance's
// control destinations 1 to 14.
#include "effects/EffectBlockDescriptions.h"
#include "effects/InsertionTables.h"

#include "gui/ControlGroup.h"
#include "instrument/Fs1rDestinationLabels.h"

#include <wx/translation.h>

#include <algorithm>
#include <vector>

void nameInsertionDestinations(const ControlGroup* page, const EffectPage* table)
{
    std::vector<RefString> names;
    if (page && table) {
        // Only the page's own items: a flag past its last item names nothing.
        const std::size_t flagged = std::min(page->controls().size(), std::size_t(insertionDestinationCount));
        for (std::size_t j = 0; j < flagged; ++j)
            if (table->destinationItems & (1u << j))
                names.push_back(page->itemText(j));
    }
    setInsertionDestinations(names);
}

const EffectBlockDescription& insertionEffect()
{
    static const EffectBlockDescription description{
        wxTRANSLATE("FS1R ins header"),
        wxTRANSLATE("FS1R ins"),
        wxTRANSLATE("Insertion"),
        0x10012f,
        40,
        9,
        664,
        insertionDefinitions(),
        insertionPages(),
        &nameInsertionDestinations,
    };
    return description;
}
