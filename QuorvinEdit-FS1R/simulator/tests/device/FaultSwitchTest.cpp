#include "SimulatorTestSupport.h"

#include <gtest/gtest.h>

namespace {

Bytes askForSystemDump(SimulatorRig& rig)
{
    rig.send(request(dumpRequestCode, 0, 0x000000));
    const auto answers = rig.takeSent();
    return answers.size() == 1 ? answers[0] : Bytes();
}

TEST(FaultSwitchTest, ASilentInstrumentSendsNothingButStillListens)
{
    SimulatorRig rig;
    rig.fs1r.setFaults({.silent = true});
    rig.send(request(parameterRequestCode, 0, 0x000000));
    rig.send(request(dumpRequestCode, 0, 0x100000));
    EXPECT_TRUE(rig.fs1r.editParameter(0x000000, 70));
    rig.send(parameterChange(0, 0x000006, 60));
    EXPECT_TRUE(rig.takeSent().empty());
    EXPECT_EQ(rig.fs1r.parameterValue(0x000006), 60u);

    rig.fs1r.setFaults({});
    EXPECT_EQ(askForSystemDump(rig).size(), 87u);
}

TEST(FaultSwitchTest, ABadChecksumSwitchSpoilsOnlyTheChecksum)
{
    SimulatorRig rig;
    const Bytes good = askForSystemDump(rig);
    rig.fs1r.setFaults({.badChecksum = true});
    const Bytes bad = askForSystemDump(rig);
    ASSERT_EQ(bad.size(), good.size());
    EXPECT_NE(bad[bad.size() - 2], independentChecksum(bad));
    EXPECT_EQ(Bytes(bad.begin(), bad.end() - 2), Bytes(good.begin(), good.end() - 2));
}

TEST(FaultSwitchTest, ATruncatedDumpEndsEarlyWithF7)
{
    SimulatorRig rig;
    const Bytes whole = askForSystemDump(rig);
    rig.fs1r.setFaults({.truncatedDump = true});
    const Bytes cut = askForSystemDump(rig);
    ASSERT_EQ(cut.size(), 9u + 76 / 2 + 1);
    EXPECT_EQ(Bytes(cut.begin(), cut.end() - 1), Bytes(whole.begin(), whole.begin() + 9 + 38));
    EXPECT_EQ(cut.back(), 0xF7);
}

TEST(FaultSwitchTest, AWrongDeviceNumberAnswersAsTheNextInstrument)
{
    SimulatorRig rig;
    rig.fs1r.setDeviceNumber(15);
    rig.fs1r.setFaults({.wrongDeviceNumber = true});
    rig.send(request(parameterRequestCode, 15, 0x000000));
    rig.send(request(dumpRequestCode, 15, 0x000000));
    rig.send(request(parameterRequestCode, 0, 0x000000)); // still listens to its own number only
    const auto answers = rig.takeSent();
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0][2], 0x10);
    EXPECT_EQ(answers[1][2], 0x00);
    EXPECT_EQ(answers[1][answers[1].size() - 2], independentChecksum(answers[1]));
}

} // namespace
