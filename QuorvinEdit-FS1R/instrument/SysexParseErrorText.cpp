#include "instrument/SysexParseErrorText.h"

#include <array>

namespace {

constexpr std::array<const char*, 8> parseErrorTexts{"OK", "Parser not ready", "No Sysex status byte",
    "Unexpected message", "Status byte found before the message end", "Sysex end found before expected",
    "Sysex end not found where expected", "Sysex checksum error"};

} // namespace

const char* sysexParseErrorText(SysexParseResult result)
{
    const auto code = static_cast<std::uint32_t>(result);
    return code < parseErrorTexts.size() ? parseErrorTexts[code] : "Unknown sysex parsing error";
}
