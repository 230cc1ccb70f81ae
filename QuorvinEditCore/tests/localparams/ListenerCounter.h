#pragma once
// Remembers every change it hears, for the tests of this folder.
#include "params/ParameterListener.h"

#include <cstdint>
#include <vector>

class ListenerCounter : public ParameterListener {
public:
    struct Heard {
        Parameter* parameter;
        std::uint32_t flags;
    };

    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override
    {
        heard.push_back({parameter, flags});
    }

    std::vector<Heard> heard;
};
