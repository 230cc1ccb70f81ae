#pragma once
// Remembers every change it hears: which parameter, with which flags.
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
    std::vector<std::uint32_t> flags() const
    {
        std::vector<std::uint32_t> flags;
        for (const Heard& change : heard)
            flags.push_back(change.flags);
        return flags;
    }

    std::vector<Heard> heard;
};
