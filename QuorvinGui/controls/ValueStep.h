#pragma once
// One key step of a parameter's value: past the allowed range it wraps to
// the other end, and it never lands on the excluded value.
#include <cstdint>

class Parameter;

void stepValue(Parameter& parameter, bool upward, std::uint32_t flags);
