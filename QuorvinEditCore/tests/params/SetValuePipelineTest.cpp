#include "FakeParameter.h"

#include "undo/CommandList.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr std::uint32_t notifyAndStore = SetValueFlag::notify | SetValueFlag::storeBoundData;

// --- Clamping and the excluded value ------------------------------------------

TEST(SetValueClamp, ExcludedValueIsSkippedUpwardAndOutOfRangeValuesClamp)
{
    FakeParameter p(0, 127);
    p.setExcludedValue(64);
    p.setValue(flagsUserEdit, 64);
    EXPECT_EQ(p.getValue(), 65);
    p.setValue(flagsUserEdit, 200);
    EXPECT_EQ(p.getValue(), 127);
    p.setValue(flagsUserEdit, -5);
    EXPECT_EQ(p.getValue(), 0);
}

TEST(SetValueClamp, NoClampFlagPassesTheValueUnchanged)
{
    FakeParameter p(0, 127);
    p.setExcludedValue(64);
    p.setValue(SetValueFlag::noClamp, 200);
    EXPECT_EQ(p.lastApplied().value, 200);
    p.setValue(SetValueFlag::noClamp, 64);
    EXPECT_EQ(p.lastApplied().value, 64);
}

TEST(SetValueClamp, ExcludedValueAtTheAllowedMaximumIsKeptBecauseTheSkipComesFirst)
{
    FakeParameter p(0, 127);
    p.setExcludedValue(127);
    p.setValue(flagsUserEdit, 127);
    EXPECT_EQ(p.getValue(), 127);
}

TEST(SetValueClamp, ExcludedValueAtTheTopOfTheIntegersDoesNotOverflow)
{
    FakeParameter p(0, INT_MAX);
    p.setExcludedValue(INT_MAX);
    p.setValue(flagsUserEdit, INT_MAX);
    EXPECT_EQ(p.getValue(), INT_MAX);
}

TEST(SetValueClamp, AllowedRangeClampsAndStaysInsideTheFullRange)
{
    FakeParameter p(0, 127);
    p.setAllowedRange(10, 20, flagsConstruct);
    p.setValue(flagsUserEdit, 5);
    EXPECT_EQ(p.getValue(), 10);
    p.setAllowedMax(200, flagsConstruct);
    EXPECT_EQ(p.allowedMaximum(), 127);
    p.setAllowedMin(-9, flagsConstruct);
    EXPECT_EQ(p.allowedMinimum(), 0);
}

TEST(SetValueClamp, NoValuePassesUnclampedAndStoresNothing)
{
    FakeParameter p(0, 127);
    p.setValue(flagsConstruct, 30);
    p.setValue(SetValueFlag::notify, Parameter::noValue);
    EXPECT_EQ(p.lastApplied().value, Parameter::noValue);
    EXPECT_EQ(p.getValue(), 30);
}

// --- Order of the steps and the flags each step sees --------------------------

TEST(SetValueOrder, DependentsRecordApplyListenersAndLinksRunInTheirOrder)
{
    EventLog log;
    FakeParameter p(0, 127, "p", &log);
    FakeParameter pre(0, 127, "pre", &log);
    FakeParameter linked(0, 127, "link", &log);
    FakeParameter post(0, 127, "post", &log);
    RecordingListener first("first", &log);
    RecordingListener second("second", &log);
    p.addPreDependent(&p, &pre);
    p.addListener(&first);
    p.addListener(&second);
    p.addLink(&linked);
    p.addPostDependent(&p, &post);
    p.force(3);

    p.setValue(flagsUserEdit, 9);

    const EventLog expected{"apply pre 3", "apply p 9", "notify first", "notify second", "apply link 9",
        "apply post 9"};
    EXPECT_EQ(log, expected);
}

TEST(SetValueOrder, ListenersHearTheDependentFlags)
{
    FakeParameter p(0, 127);
    RecordingListener listener;
    p.addListener(&listener);
    p.setValue(flagsUserEdit, 1);
    p.setValue(0x22, 2);
    ASSERT_EQ(listener.heard.size(), 2u);
    EXPECT_EQ(listener.heard[0].flags, 0x800101f6u);
    EXPECT_EQ(listener.heard[0].parameter, &p);
    EXPECT_EQ(listener.heard[1].flags, 0x80000020u);
}

TEST(SetValueOrder, DependentsKeepStoringOnlyWhenAskedAndLinksKeepTheCallersFlags)
{
    FakeParameter p(0, 127);
    FakeParameter dependent(0, 127);
    FakeParameter linked(0, 127);
    p.addPostDependent(&p, &dependent);
    p.addLink(&linked);

    p.setValue(0x22, 5);
    EXPECT_EQ(dependent.lastApplied().flags, 0x80000020u);
    EXPECT_EQ(linked.lastApplied().flags, 0x80000022u);

    p.setValue(flagsUserEdit, 6);
    EXPECT_EQ(dependent.lastApplied().flags, 0x800101f6u);
    EXPECT_EQ(linked.lastApplied().flags, 0x800101f6u);
}

TEST(SetValueOrder, DependentWithoutSourceGetsNoValueAndOnlyNotifies)
{
    FakeParameter p(0, 127);
    FakeParameter target(0, 127);
    RecordingListener listener;
    target.addListener(&listener);
    target.force(40);
    p.addPreDependent(nullptr, &target);
    p.setValue(flagsUserEdit, 1);
    EXPECT_EQ(target.lastApplied().value, Parameter::noValue);
    EXPECT_EQ(target.getValue(), 40);
    EXPECT_EQ(listener.heard.size(), 1u);
}

TEST(SetValueOrder, EveryCallNotifiesEvenWithoutAChange)
{
    FakeParameter p(0, 127);
    RecordingListener listener;
    p.addListener(&listener);
    p.setValue(flagsUserEdit, 0);
    p.setValue(flagsUserEdit, 0);
    EXPECT_EQ(listener.heard.size(), 2u);
    p.setValue(SetValueFlag::storeBoundData, 0);
    EXPECT_EQ(listener.heard.size(), 2u);
}

TEST(SetValueOrder, LinkCyclesEndInsteadOfRecursingForever)
{
    FakeParameter a(0, 127);
    FakeParameter b(0, 127);
    a.addLink(&b);
    b.addLink(&a);
    a.addPostDependent(&a, &b);
    a.setValue(flagsUserEdit, 12);
    EXPECT_EQ(a.getValue(), 12);
    EXPECT_EQ(b.getValue(), 12);
    EXPECT_EQ(a.applied.size(), 1u);
}

// --- Which flag words record, send and notify ---------------------------------

struct FlagWordCase {
    const char* name;
    std::uint32_t flags;
    bool records;
    bool sends;
    bool notifies;
};

class FlagWords : public testing::TestWithParam<FlagWordCase> {};

TEST_P(FlagWords, RecordSendAndNotifyFollowTheWord)
{
    const FlagWordCase& word = GetParam();
    CommandList list;
    FakeParameter p(0, 127);
    RecordingListener listener;
    p.setCommandList(&list);
    p.addListener(&listener);
    p.setValue(word.flags, 50);
    EXPECT_EQ(list.commands().size(), word.records ? 1u : 0u);
    EXPECT_EQ(p.sends, word.sends ? 1 : 0);
    EXPECT_EQ(listener.heard.size(), word.notifies ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(AllWords, FlagWords,
    testing::Values(FlagWordCase{"Construct", flagsConstruct, false, false, false},
        FlagWordCase{"UserReset", flagsUserReset, true, true, true},
        FlagWordCase{"UserEdit", flagsUserEdit, true, true, true},
        FlagWordCase{"FileLoad", flagsFileLoad, true, true, true},
        FlagWordCase{"PatchLoad", flagsPatchLoad, false, false, true},
        FlagWordCase{"QuietInit", flagsQuietInit, false, false, true},
        FlagWordCase{"Connect", flagsConnect, false, true, true},
        FlagWordCase{"DeviceCommand", flagsDeviceCommand, false, true, true},
        FlagWordCase{"SysexReceived", flagsSysexReceived, false, false, true}),
    [](const testing::TestParamInfo<FlagWordCase>& info) { return std::string(info.param.name); });

TEST(SetValueRecord, RecordsTheOldValueBeforeApplyingAndOnlyWithAList)
{
    FakeParameter unrecorded(0, 127);
    unrecorded.setValue(flagsUserEdit, 5);

    CommandList list;
    FakeParameter p(0, 127);
    p.setCommandList(&list);
    p.force(7);
    p.setValue(flagsUserEdit, 9);
    ASSERT_EQ(list.commands().size(), 1u);
    const Change& change = list.commands()[0].changes.at(0);
    EXPECT_EQ(change.oldValue, 7);
    EXPECT_EQ(change.newValue, 9);
    EXPECT_EQ(change.flags, flagsUserEdit);
}

// --- Stepping ------------------------------------------------------------------

TEST(SetValueStep, TrySetSkipsTheExcludedValueInTheDirectionOfTravel)
{
    FakeParameter p(0, 127);
    RecordingListener listener;
    p.addListener(&listener);
    p.setExcludedValue(64);
    p.force(65);
    EXPECT_TRUE(p.trySetValue(64, flagsUserEdit, false));
    EXPECT_EQ(p.getValue(), 63);
    EXPECT_TRUE(p.trySetValue(64, flagsUserEdit, true));
    EXPECT_EQ(p.getValue(), 65);
    const std::size_t heard = listener.heard.size();
    EXPECT_FALSE(p.trySetValue(65, flagsUserEdit, true));
    EXPECT_EQ(listener.heard.size(), heard);
}

TEST(SetValueStep, StepUpWrapsFromTheAllowedMaximumAndSkipsTheExcludedValue)
{
    FakeParameter p(0, 127);
    p.setAllowedRange(10, 20, flagsConstruct);
    p.force(20);
    p.stepUp(flagsUserEdit);
    EXPECT_EQ(p.getValue(), 10);
    p.setExcludedValue(11);
    p.stepUp(flagsUserEdit);
    EXPECT_EQ(p.getValue(), 12);
}

// --- Range setters ------------------------------------------------------------

TEST(RangeSetters, MoveTheValueBackIntoRangeOnlyWithNotifyAndStore)
{
    FakeParameter p(0, 127);
    p.force(100);
    p.setAllowedMax(50, SetValueFlag::dependentsKeepStoring);
    EXPECT_EQ(p.getValue(), 100);
    p.setAllowedMax(50, SetValueFlag::notify);
    EXPECT_EQ(p.getValue(), 100) << "a received value stays as it came";
    p.setAllowedMax(50, notifyAndStore);
    EXPECT_EQ(p.getValue(), 50);
    EXPECT_EQ(p.lastApplied().flags, notifyAndStore);
    p.setAllowedMax(127, 0);
    p.setAllowedMin(60, notifyAndStore);
    EXPECT_EQ(p.getValue(), 60);
}

TEST(RangeSetters, DisplayedBoundsConvertWithEachTargetsOwnScale)
{
    FakeParameter p(0, 1000);
    p.setDisplayScale(Rational(1, 10), Rational(0, 1), false);
    p.force(500);
    p.setMaxFromDisplay(notifyAndStore, Rational::TowardZero, Rational(255, 10));
    EXPECT_EQ(p.maximum(), 255);
    EXPECT_EQ(p.allowedMaximum(), 255);
    EXPECT_EQ(p.getValue(), 255);
    p.setAllowedRangeFromDisplay(0, Rational::Ceiling, Rational::Ceiling, Rational(21, 20), Rational(3, 1));
    EXPECT_EQ(p.allowedMinimum(), 11);
    EXPECT_EQ(p.allowedMaximum(), 30);
}

} // namespace
