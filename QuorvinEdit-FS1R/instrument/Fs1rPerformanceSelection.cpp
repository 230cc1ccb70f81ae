#include "instrument/Fs1rPerformanceSelection.h"

#include "sysex/MidiMessageParameter.h"
#include "sysex/ParameterFactory.h"

namespace {

// Channel 1 messages: {status, a spare byte, data 1, data 2}.
constexpr MidiMessagePattern bankSelectLsb{0xB0, 0x00, 0x20, 0x00};
constexpr MidiMessagePattern bankSelectMsb{0xB0, 0x00, 0x00, 0x00};
constexpr MidiMessagePattern programChange{0xC0, 0x00, 0x00, 0x00};

// The performance banks follow MSB 63 at LSB 64 to 67.
constexpr std::int32_t performanceBankMsb = 63;
constexpr std::int32_t firstBankLsb = 0x40;
constexpr std::int32_t lastBankLsb = 0x43;
constexpr std::int32_t lastProgram = 127;

} // namespace

Fs1rPerformanceSelection Fs1rPerformanceSelection::create(ParameterFactory& factory)
{
    MidiMessageParameter* msb = factory.addMidiMessageParameter(bankSelectMsb, performanceBankMsb, performanceBankMsb);
    Fs1rPerformanceSelection selection;
    selection.bank = factory.addMidiMessageParameter(bankSelectLsb, firstBankLsb, lastBankLsb);
    selection.bank->setDisplayScale(Rational(1), Rational(-firstBankLsb), false);
    // No source: the MSB sends its own fixed value again.
    selection.bank->addPreDependent(nullptr, msb);
    // The instrument loads with the program change alone, and so does the
    // editor: a bank step on its own loads nothing, so it is no edit of the
    // performance to mark or undo.
    selection.bank->setCommandList(nullptr);
    selection.number = factory.addMidiMessageParameter(programChange, 0, lastProgram);
    return selection;
}
