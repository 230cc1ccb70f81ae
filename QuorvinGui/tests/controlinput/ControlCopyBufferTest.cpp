// Copy and paste between controls of other ranges: values land in
// proportion, missing roles go to their defaults, and each paste is one
// undo step.
#include "controls/ControlCopyBuffer.h"
#include "localparams/LocalParameter.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>

namespace {

class CopyBufferTest : public testing::Test {
protected:
    void SetUp() override { buffer.clear(); }

    LocalParameter& make(std::int32_t minimum, std::int32_t maximum, std::int32_t value)
    {
        parameters.push_back(std::make_unique<LocalParameter>(minimum, maximum, value));
        parameters.back()->setCommandList(&list);
        return *parameters.back();
    }

    // Copies one parameter under role 0 and pastes it onto another.
    std::int32_t copyOnto(Parameter& source, Parameter& target)
    {
        buffer.copy({{0, &source}});
        buffer.paste({{0, &target}}, flagsUserEdit);
        return target.getValue();
    }

    CommandList list;
    ControlCopyBuffer& buffer = ControlCopyBuffer::instance();
    std::vector<std::unique_ptr<LocalParameter>> parameters;
};

} // namespace

TEST_F(CopyBufferTest, ValuesLandInProportionOnAnotherRange)
{
    LocalParameter& target = make(0, 99, 0);
    EXPECT_EQ(copyOnto(make(0, 127, 127), target), 99);
    EXPECT_EQ(copyOnto(make(0, 127, 64), target), 50);
    EXPECT_EQ(copyOnto(make(0, 127, 0), target), 0);
    EXPECT_EQ(copyOnto(make(0, 0, 0), target), 0) << "a one-value range must not divide by zero";
}

TEST_F(CopyBufferTest, BipolarZeroPastesAsZeroOrAsTheMinimum)
{
    LocalParameter& source = make(0, 14, 7);
    source.setDisplayScale(Rational(1, 1), Rational(-7, 1), false);
    LocalParameter& bipolarTarget = make(0, 100, 0);
    bipolarTarget.setDisplayScale(Rational(1, 1), Rational(-50, 1), false);
    EXPECT_EQ(copyOnto(source, bipolarTarget), 50);
    EXPECT_EQ(copyOnto(source, make(10, 20, 15)), 10);
}



TEST_F(CopyBufferTest, RolesAbsentFromTheBufferGoToTheirDefaultsWhenAnotherRoleWasFound)
{
    LocalParameter& min = make(0, 127, 100);
    LocalParameter& max = make(0, 127, 100);
    max.setDefaultValue(127);
    buffer.copy({{268, &make(0, 127, 0)}});
    EXPECT_TRUE(buffer.paste({{268, &min}, {269, &max}}, flagsUserEdit));
    EXPECT_EQ(min.getValue(), 0);
    EXPECT_EQ(max.getValue(), 127);
}

TEST_F(CopyBufferTest, PasteWithNoMatchingRoleChangesNothingAndLeavesNoUndoStep)
{
    LocalParameter& min = make(0, 127, 100);
    LocalParameter& max = make(0, 127, 100);
    buffer.copy({{0, &make(0, 127, 0)}});
    EXPECT_FALSE(buffer.paste({{268, &min}, {269, &max}}, flagsUserEdit));
    EXPECT_EQ(min.getValue(), 100);
    EXPECT_EQ(max.getValue(), 100);
    EXPECT_TRUE(list.commands().empty());
    EXPECT_EQ(list.groupDepth(), 0u);
}

TEST_F(CopyBufferTest, SingleSlopePastesIntoBothSidesAndBack)
{
    LocalParameter& left = make(0, 100, 0);
    LocalParameter& right = make(0, 100, 0);
    buffer.copy({{276, &make(0, 10, 10)}});
    buffer.paste({{277, &left}, {278, &right}}, flagsUserEdit);
    EXPECT_EQ(left.getValue(), 100);
    EXPECT_EQ(right.getValue(), 100);

    LocalParameter& slope = make(0, 10, 0);
    buffer.copy({{277, &make(0, 100, 50)}});
    buffer.paste({{276, &slope}}, flagsUserEdit);
    EXPECT_EQ(slope.getValue(), 5);
}

TEST_F(CopyBufferTest, PasteOfSeveralRolesIsOneUndoStep)
{
    LocalParameter& min = make(0, 127, 0);
    LocalParameter& max = make(0, 127, 0);
    buffer.copy({{268, &make(0, 10, 5)}, {269, &make(0, 10, 10)}});
    buffer.paste({{268, &min}, {269, &max}}, flagsUserEdit);
    ASSERT_EQ(list.commands().size(), 1u);
    EXPECT_TRUE(list.undo());
    EXPECT_EQ(min.getValue(), 0);
    EXPECT_EQ(max.getValue(), 0);
}
