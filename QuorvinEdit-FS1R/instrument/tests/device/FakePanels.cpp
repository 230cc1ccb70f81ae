#include "FakePanels.h"

#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rPerformanceSelection.h"
#include "sysex/MidiMessageParameter.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"

namespace {

constexpr std::int32_t byteMaximum = 127;

} // namespace

void FakePanels::createPanels(Fs1rDevice& device, ParameterFactory& factory)
{
    factory.setCommandList(&history(performancePage));
    const Fs1rPerformanceSelection selection = Fs1rPerformanceSelection::create(factory);
    device.setCurrentPerformanceParameters(selection.bank, selection.number);
    for (const Fs1rMemoryPage& page : Fs1rMemoryLayout::pages()) {
        for (std::uint32_t offset = 0; offset < page.size; ++offset) {
            const PackedAddress address = addToPackedAddress(page.parameterAddress, offset);
            SysexParameter* parameter = factory.addSysexParameter(address, 0, byteMaximum, 0);
            if (address == Fs1rMemoryLayout::performanceFseqBankAddress) {
                parameter->setRange(0, 1, 0);
                fseqBank = parameter;
            }
        }
    }
    showPerformancePanel();
}
