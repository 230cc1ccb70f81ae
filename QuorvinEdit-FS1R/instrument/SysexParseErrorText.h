#pragma once
// The log texts of the SysEx parse results, for the .syx loader and the
// patch caches. Not translated: they only go to the log.
#include "sysex/SysexParseResult.h"

const char* sysexParseErrorText(SysexParseResult result);
