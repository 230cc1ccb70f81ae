#pragma once
// The bits carried with every value change and the flag words the editor
// builds from them. The words never change, so they are constants.
#include <cstdint>

namespace SetValueFlag {

inline constexpr std::uint32_t storeOwnValue = 0x1;
inline constexpr std::uint32_t storeBoundData = 0x2;
inline constexpr std::uint32_t dependentsKeepStoring = 0x4;
inline constexpr std::uint32_t noClamp = 0x8;
inline constexpr std::uint32_t userAction = 0x10;
inline constexpr std::uint32_t notify = 0x20;
inline constexpr std::uint32_t loadAction = 0x40;
inline constexpr std::uint32_t saveAction = 0x80;
inline constexpr std::uint32_t showAction = 0x100;
inline constexpr std::uint32_t sendToInstrument = 0x10000;
inline constexpr std::uint32_t doNotRecord = 0x80000000;

} // namespace SetValueFlag

// Building parameters, controls and pages.
inline constexpr std::uint32_t flagsConstruct = SetValueFlag::doNotRecord | SetValueFlag::dependentsKeepStoring
    | SetValueFlag::storeBoundData | SetValueFlag::storeOwnValue;
// Resetting a page after the user confirmed.
inline constexpr std::uint32_t flagsUserReset = SetValueFlag::sendToInstrument | SetValueFlag::loadAction
    | SetValueFlag::notify | SetValueFlag::userAction | SetValueFlag::dependentsKeepStoring
    | SetValueFlag::storeBoundData;
// Every edit by the user, from a control or a MIDI control surface.
inline constexpr std::uint32_t flagsUserEdit = SetValueFlag::sendToInstrument | SetValueFlag::showAction
    | SetValueFlag::saveAction | SetValueFlag::loadAction | SetValueFlag::notify | SetValueFlag::userAction
    | SetValueFlag::dependentsKeepStoring | SetValueFlag::storeBoundData;
// Values read from a SysEx file.
inline constexpr std::uint32_t flagsFileLoad = SetValueFlag::sendToInstrument | SetValueFlag::showAction
    | SetValueFlag::loadAction | SetValueFlag::notify | SetValueFlag::userAction | SetValueFlag::noClamp
    | SetValueFlag::storeBoundData;
// Values of a patch loaded from the cache.
inline constexpr std::uint32_t flagsPatchLoad = SetValueFlag::doNotRecord | SetValueFlag::showAction
    | SetValueFlag::loadAction | SetValueFlag::notify | SetValueFlag::userAction | SetValueFlag::noClamp
    | SetValueFlag::storeBoundData;
// Initialising without history.
inline constexpr std::uint32_t flagsQuietInit = SetValueFlag::doNotRecord | SetValueFlag::loadAction
    | SetValueFlag::notify | SetValueFlag::userAction | SetValueFlag::noClamp
    | SetValueFlag::dependentsKeepStoring | SetValueFlag::storeBoundData;
// Values pushed on connecting and disconnecting.
inline constexpr std::uint32_t flagsConnect = SetValueFlag::doNotRecord | SetValueFlag::sendToInstrument
    | SetValueFlag::showAction | SetValueFlag::loadAction | SetValueFlag::notify | SetValueFlag::userAction
    | SetValueFlag::dependentsKeepStoring | SetValueFlag::storeBoundData;
// The value set after saving to the instrument.
inline constexpr std::uint32_t flagsDeviceCommand = SetValueFlag::doNotRecord | SetValueFlag::sendToInstrument
    | SetValueFlag::notify | SetValueFlag::dependentsKeepStoring | SetValueFlag::storeBoundData;
// Values received from the instrument in a dump or a parameter message.
inline constexpr std::uint32_t flagsSysexReceived = SetValueFlag::doNotRecord | SetValueFlag::showAction
    | SetValueFlag::loadAction | SetValueFlag::notify | SetValueFlag::userAction | SetValueFlag::storeBoundData;

// Stored files and the instrument's behaviour depend on these exact words.
static_assert(flagsConstruct == 0x80000007);
static_assert(flagsUserReset == 0x10076);
static_assert(flagsUserEdit == 0x101f6);
static_assert(flagsFileLoad == 0x1017a);
static_assert(flagsPatchLoad == 0x8000017a);
static_assert(flagsQuietInit == 0x8000007e);
static_assert(flagsConnect == 0x80010176);
static_assert(flagsDeviceCommand == 0x80010026);
static_assert(flagsSysexReceived == 0x80000172);
