#include "fseq/FseqEditFlagLink.h"
#include "localparams/LocalParameter.h"

#include <gtest/gtest.h>

#include <array>

namespace {

class FseqEditFlagLinkTest : public testing::Test {
protected:
    FseqEditFlagLinkTest()
    {
        for (LocalParameter& flag : flags)
            link.watch(flag);
    }

    std::array<int, 3> values() const
    {
        return {flags[0].getValue(), flags[1].getValue(), flags[2].getValue()};
    }

    bool addHeld = false;
    std::array<LocalParameter, 3> flags{LocalParameter(0, 1), LocalParameter(0, 1), LocalParameter(0, 1)};
    FseqEditFlagLink link{[this] { return addHeld; }};
};

} // namespace

TEST_F(FseqEditFlagLinkTest, SwitchingOneOnMakesItTheOnlyEditedTrack)
{
    flags[0].setValue(flagsUserEdit, 1);
    flags[2].setValue(flagsUserEdit, 1);
    EXPECT_EQ(values(), (std::array<int, 3>{0, 0, 1}));
}

TEST_F(FseqEditFlagLinkTest, HeldAddKeyAddsToTheEditedSet)
{
    flags[0].setValue(flagsUserEdit, 1);
    addHeld = true;
    flags[1].setValue(flagsUserEdit, 1);
    EXPECT_EQ(values(), (std::array<int, 3>{1, 1, 0}));
    // Switching one off leaves the others.
    addHeld = false;
    flags[1].setValue(flagsUserEdit, 0);
    EXPECT_EQ(values(), (std::array<int, 3>{1, 0, 0}));
}

TEST_F(FseqEditFlagLinkTest, UnnotifiedChangesAndDeadFlagsAreLeftAlone)
{
    flags[0].setValue(flagsUserEdit, 1);
    // Built without notification: nobody is told, nothing is switched off.
    flags[1].setValue(flagsConstruct, 1);
    EXPECT_EQ(values(), (std::array<int, 3>{1, 1, 0}));
    {
        LocalParameter shortLived(0, 1);
        link.watch(shortLived);
    }
    flags[2].setValue(flagsUserEdit, 1);
    EXPECT_EQ(values(), (std::array<int, 3>{0, 0, 1}));
}
