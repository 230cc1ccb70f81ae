#include "effects/EffectTypeDefaults.h"

#include "effects/EffectBlockDescriptions.h"
#include "effects/EffectParameters.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "sysex/AddressEntry.h"
#include "sysex/AddressMap.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"

EffectTypeDefaultTable effectTypeDefaults()
{
    // A map and parameters of their own, made as the pages make theirs and
    // gone with this call.
    AddressMap map(std::uint32_t(Fs1rMemoryLayout::pages().size()));
    Fs1rMemoryLayout::buildAddressMap(map);
    ParameterFactory factory(map, nullptr);
    EffectTypeDefaultTable table;
    for (const EffectBlockDescription* block : performanceEffects()) {
        const std::vector<SysexParameter*> definitions = EffectParameters::makeDefinitions(factory, block->definitions);
        for (std::size_t t = 0; t < block->pages.size(); ++t) {
            auto& values = table[{block->typeAddress, std::uint32_t(t + 1)}];
            for (const EffectItem& item : block->pages[t].items) {
                const SysexParameter* parameter = item.definition == pageParameter
                    ? EffectParameters::makePageParameter(factory, 0, item.own)
                    : definitions.at(std::size_t(item.definition));
                if (const auto raw = EffectParameters::resolveDefault(*parameter, item.defaultValue))
                    values.emplace_back(parameter->field().entries().front()->address(), std::uint32_t(*raw));
            }
        }
    }
    return table;
}
