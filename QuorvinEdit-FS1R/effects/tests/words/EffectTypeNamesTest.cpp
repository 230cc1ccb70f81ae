// The type choices name the effect types as the instrument's display does,
// in every language of the program.
#include "effects/EffectBlockDescriptions.h"
#include "effects/EffectParameters.h"
#include "labels/LabelList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct BlockNames {
    const EffectBlockDescription& block;
    std::vector<const char*> names;
};

TEST(EffectTypeNamesTest, EveryTypeShowsTheInstrumentsName)
{
    const BlockNames blocks[] = {
        {insertionEffect(),
            {"No effect", "Chorus", "Celeste", "Flanger", "Symphonic", "Phaser1", "Phaser2", "Pitch Chng",
                "Ens Detune", "Rotary SP", "2WayRotary", "Tremolo", "Auto Pan", "Ambience", "A-Wah+Dist",
                "A-Wah+Odrv", "T-Wah+Dist", "T-Wah+Odrv", "Wah+DS+Dly", "Wah+OD+Dly", "Lo-Fi", "3-Band EQ",
                "HM Enhncer", "Noise Gate", "Compressor", "Comp+Dist", "Cmp+DS+Dly", "Cmp+OD+Dly", "Distortion",
                "Dist+Delay", "Overdrive", "Odrv+Delay", "Amp Sim", "Delay LCR", "Delay L,R", "Echo",
                "CrossDelay", "ER1", "ER2", "Gate Rev", "Revrs Gate"}},
        {variationEffect(),
            {"No effect", "Chorus", "Celeste", "Flanger", "Symphonic", "Phaser1", "Phaser2", "Ens Detune",
                "Rotary SP", "Tremolo", "Auto Pan", "Auto Wah", "Touch Wah", "3-Band EQ", "HM Enhncer",
                "Noise Gate", "Compressor", "Distortion", "Overdrive", "Amp Sim", "Delay LCR", "Delay L,R",
                "Echo", "CrossDelay", "Karaoke", "Hall", "Room", "Stage", "Plate"}},
        {reverbEffect(),
            {"No effect", "Hall1", "Hall2", "Room1", "Room2", "Room3", "Stage1", "Stage2", "Plate",
                "White room", "Tunnel", "Basement", "Canyon", "Delay LCR", "Delay L,R", "Echo", "CrossDelay"}},
    };
    for (const BlockNames& expected : blocks) {
        const LabelList* shown = EffectParameters::labelTable(expected.block.typeLabelTable);
        ASSERT_NE(shown, nullptr) << expected.block.caption;
        ASSERT_EQ(shown->count(), expected.names.size()) << expected.block.caption;
        ASSERT_EQ(expected.names.size(), std::size_t(expected.block.typeCount) + 1) << expected.block.caption;
        for (std::size_t type = 0; type < expected.names.size(); ++type)
            EXPECT_EQ(shown->get(std::int32_t(type)).toUtf8(), expected.names[type])
                << expected.block.caption << " type " << type;
    }
}

} // namespace
