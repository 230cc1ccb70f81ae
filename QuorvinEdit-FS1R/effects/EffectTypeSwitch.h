#pragma once
// Which page of an effect block is shown, and whether a change of the effect
// type applies the new page's defaults. No window: the block carries the
// steps out on its groups.
#include <cstdint>
#include <optional>

class EffectTypeSwitch {
public:
    // "No effect": shows no page.
    static constexpr std::int32_t noEffect = 0;

    struct Step {
        // The type whose page goes, and the one whose page comes; noEffect
        // for none.
        std::int32_t hide;
        std::int32_t show;
        bool applyDefaults;
    };

    explicit EffectTypeSwitch(std::int32_t typeCount) : typeCount_(typeCount) {}

    // Only the user's own changes (sent, and clamped) bring the page's
    // defaults; data from a file, the cache or the instrument keeps its values.
    static bool appliesDefaults(std::uint32_t flags);

    // The step for a new type value, which becomes current; nothing for the
    // type already current. A value outside 0..typeCount shows no page.
    std::optional<Step> change(std::int32_t type, std::uint32_t flags);

    // The type value last given, which may lie outside 0..typeCount.
    std::int32_t currentType() const { return current_; }
    // The type whose page shows: noEffect for a value outside 0..typeCount.
    std::int32_t shownType() const;
    std::int32_t typeCount() const { return typeCount_; }

private:
    std::int32_t typeCount_;
    std::int32_t current_ = noEffect;
};
