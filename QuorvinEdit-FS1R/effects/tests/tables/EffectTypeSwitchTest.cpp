// When a change of effect type switches pages and when it brings the new
// page's defaults: only the user's own changes do, undone or redone too.
#include "effects/EffectTypeSwitch.h"

#include "params/SetValueFlags.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int32_t insertionTypes = 40;

struct FlagCase {
    const char* name;
    std::uint32_t flags;
    bool appliesDefaults;
};

const FlagCase flagCases[] = {
    {"user edit", flagsUserEdit, true},
    {"user reset", flagsUserReset, true},
    {"undo or redo of a user edit", flagsUserEdit | SetValueFlag::doNotRecord, true},
    {"file load", flagsFileLoad, false},
    {"patch load", flagsPatchLoad, false},
    {"received from the instrument", flagsSysexReceived, false},
};

TEST(EffectTypeSwitch, OnlyTheUsersChangesApplyDefaults)
{
    for (const FlagCase& c : flagCases) {
        EffectTypeSwitch typeSwitch(insertionTypes);
        const auto step = typeSwitch.change(5, c.flags);
        ASSERT_TRUE(step.has_value()) << c.name;
        EXPECT_EQ(step->applyDefaults, c.appliesDefaults) << c.name;
        EXPECT_EQ(step->show, 5) << c.name;
        EXPECT_EQ(step->hide, EffectTypeSwitch::noEffect) << c.name;
    }
}

TEST(EffectTypeSwitch, RepeatedTypesChangeNothingAndOutOfRangeOnesShowNoPage)
{
    EffectTypeSwitch typeSwitch(insertionTypes);
    ASSERT_TRUE(typeSwitch.change(3, flagsUserEdit));
    EXPECT_FALSE(typeSwitch.change(3, flagsUserEdit)) << "the same type applies no defaults again";
    EXPECT_EQ(typeSwitch.currentType(), 3);

    // Received from outside: the instrument has no such type.
    const auto unknown = typeSwitch.change(insertionTypes + 1, flagsSysexReceived);
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->hide, 3);
    EXPECT_EQ(unknown->show, EffectTypeSwitch::noEffect);
    EXPECT_FALSE(unknown->applyDefaults);
    EXPECT_FALSE(typeSwitch.change(insertionTypes + 1, flagsUserEdit));
    const auto back = typeSwitch.change(3, flagsUserEdit);
    ASSERT_TRUE(back) << "choosing a real type after an unknown one changes the type";
    EXPECT_EQ(back->hide, EffectTypeSwitch::noEffect);
    EXPECT_TRUE(back->applyDefaults);
    EXPECT_FALSE(typeSwitch.change(-1, flagsUserEdit)->applyDefaults);

    const auto last = typeSwitch.change(insertionTypes, flagsSysexReceived);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->hide, EffectTypeSwitch::noEffect);
    EXPECT_EQ(last->show, insertionTypes);
}

TEST(EffectTypeSwitch, NoEffectHidesThePageAndAppliesNothing)
{
    EffectTypeSwitch typeSwitch(insertionTypes);
    typeSwitch.change(7, flagsUserEdit);
    const auto step = typeSwitch.change(EffectTypeSwitch::noEffect, flagsUserEdit);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->hide, 7);
    EXPECT_EQ(step->show, EffectTypeSwitch::noEffect);
    EXPECT_FALSE(step->applyDefaults);
}

} // namespace
