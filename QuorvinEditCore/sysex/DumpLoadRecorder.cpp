#include "sysex/DumpLoadRecorder.h"

#include "sysex/AddressEntry.h"
#include "sysex/AddressMap.h"
#include "sysex/AddressPage.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"
#include "undo/CommandList.h"

#include <algorithm>
#include <set>

DumpLoadRecorder::DumpLoadRecorder(const AddressMap& map, PackedAddress dumpAddress, std::uint32_t size)
{
    std::set<const Parameter*> seen;
    for (std::uint32_t done = 0; done < size;) {
        const PackedAddress at = addToPackedAddress(dumpAddress, done);
        const AddressPage* page = map.findPage(at, true);
        const AddressEntry* entry = page ? page->entryAtDumpAddress(at) : nullptr;
        done += entry ? std::max<std::uint32_t>(entry->size(), 1) : 1;
        if (!entry)
            continue;
        for (const auto& listener : entry->listeners()) {
            const auto* field = dynamic_cast<const SysexField*>(listener.get());
            Parameter* parameter = field ? field->parameter() : nullptr;
            if (parameter && parameter->commandList() && seen.insert(parameter).second)
                before_.emplace_back(parameter, parameter->getValue());
        }
    }
}

void DumpLoadRecorder::recordChanges(std::uint32_t flags) const
{
    for (const auto& [parameter, oldValue] : before_) {
        CommandList* list = parameter->commandList();
        if (list->groupDepth() > 0)
            list->record(parameter, oldValue, parameter->getValue(), flags);
    }
}
