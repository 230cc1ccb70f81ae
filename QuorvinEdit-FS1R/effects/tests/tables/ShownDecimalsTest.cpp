// The decimals an effect value shows follow its scale: values in tenths
// show one ("1.7", not "1.700"), the fine delay scales of 1.574 and 0.156
// keep three. The texts are the ones the instrument's own pages read.
#include "effects/EffectParameters.h"
#include "effects/InsertionTables.h"
#include "effects/ReverbTables.h"
#include "effects/VariationTables.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressMap.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ShownText {
    const char* block;
    std::size_t definition;
    std::int32_t raw;
    const char* text;
};

const ShownText shownTexts[] = {
    {"insertion", 9, 10, "1.0"}, // "EQ mid Q"
    {"insertion", 9, 24, "2.4"},
    {"insertion", 71, 3333, "333.3"}, // "L delay"
    {"insertion", 72, 1667, "166.7"},
    {"insertion", 77, 3, "0.3"}, // "High damp"
    {"insertion", 62, 10, "1.0"},
    {"insertion", 97, 0, "0.100"},
    {"insertion", 97, 127, "199.998"},
    {"variation", 21, 38, "3.8"}, // "Resonance"
    {"variation", 37, 10, "1.0"},
    {"variation", 40, 3333, "333.3"},
    {"variation", 64, 0, "0.100"},
    {"variation", 64, 127, "199.998"},
    {"reverb", 12, 1, "0.1"}, // "High damp"
    {"reverb", 12, 10, "1.0"},
    {"reverb", 14, 3333, "333.3"},
    {"reverb", 16, 3752, "375.2"},
    {"reverb", 9, 0, "0.100"},
    {"reverb", 9, 63, "99.262"},
};

class ShownDecimalsTest : public testing::Test {
protected:
    const std::vector<SysexParameter*>& definitionsOf(const std::string& block) const
    {
        return block == "insertion" ? insertion : block == "variation" ? variation : reverb;
    }

    AddressMap map{static_cast<std::uint32_t>(Fs1rMemoryLayout::pages().size())};
    bool mapBuilt = Fs1rMemoryLayout::buildAddressMap(map);
    ParameterFactory factory{map, nullptr};
    std::vector<SysexParameter*> insertion = EffectParameters::makeDefinitions(factory, insertionDefinitions());
    std::vector<SysexParameter*> variation = EffectParameters::makeDefinitions(factory, variationDefinitions());
    std::vector<SysexParameter*> reverb = EffectParameters::makeDefinitions(factory, reverbDefinitions());
};

TEST_F(ShownDecimalsTest, TenthsShowOneDecimalAndFinerScalesThree)
{
    for (const ShownText& shown : shownTexts) {
        const SysexParameter& definition = *definitionsOf(shown.block).at(shown.definition);
        EXPECT_EQ(definition.valueText(shown.raw).toUtf8(), shown.text)
            << shown.block << " definition " << shown.definition << " raw " << shown.raw;
    }
}

// One value at one address, read through the reverb time's labels and the
// delays in tenths.
TEST_F(ShownDecimalsTest, ARawValueSharedWithALabelledDefinitionShowsInTenths)
{
    reverb.at(0)->setValue(flagsUserEdit, 17);
    EXPECT_EQ(reverb.at(0)->valueText(reverb.at(0)->getValue()).toUtf8(), "2.0");
    for (std::size_t shared : {14u, 26u})
        EXPECT_EQ(reverb.at(shared)->valueText(reverb.at(shared)->getValue()).toUtf8(), "1.7") << shared;
}

TEST_F(ShownDecimalsTest, DefaultsWrittenInThousandthsStillLandOnTheirRawValues)
{
    EXPECT_EQ(EffectParameters::resolveDefault(*insertion.at(71), byDisplay(Rational(333300, 1000))), 3333);
    EXPECT_EQ(EffectParameters::resolveDefault(*insertion.at(77), byDisplay(Rational(300, 1000))), 3);
    EXPECT_EQ(EffectParameters::resolveDefault(*reverb.at(16), byDisplay(Rational(375200, 1000))), 3752);
    EXPECT_EQ(insertion.at(9)->defaultValue(), 10) << "display 0 lies below the range: clamped";
}

} // namespace
