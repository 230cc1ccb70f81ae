#include "sysex/PackedAddress.h"

#include <gtest/gtest.h>

namespace {

TEST(PackedAddress, AdditionCarriesAtSevenBitsNotEight)
{
    EXPECT_EQ(addToPackedAddress(0x00007F, 1), 0x000100u);
    EXPECT_EQ(addToPackedAddress(0x107F7F, 1), 0x110000u);
    EXPECT_EQ(addToPackedAddress(0x10007F, 0x81), 0x100200u);
    EXPECT_EQ(addToPackedAddress(0x700052, 50), 0x700104u);
    // 0x80 never appears as an address byte.
    EXPECT_EQ(addToPackedAddress(0x000070, 0x10), 0x000100u);
}

TEST(PackedAddress, TheSumWrapsAtTwentyEightBits)
{
    EXPECT_EQ(addToPackedAddress(0x7F7F7F7F, 1), 0u);
    EXPECT_EQ(addToPackedAddress(0x7F7F7F7F, 2), 1u);
}

TEST(PackedAddress, AWordWithATopBitSetIsNoAddressAndStaysInvalid)
{
    for (const PackedAddress bad : {0x00000080u, 0x00008000u, 0x00800000u, 0x80000000u, 0x10008Fu}) {
        EXPECT_FALSE(isValidPackedAddress(bad)) << std::hex << bad;
        EXPECT_FALSE(isValidPackedAddress(addToPackedAddress(bad, 1))) << std::hex << bad;
    }
    EXPECT_TRUE(isValidPackedAddress(0x7F7F7F7F));
}

TEST(PackedAddress, IndexIsTheLinearDistance)
{
    EXPECT_EQ(packedAddressIndex(0x100100, 0x100000), 128);
    EXPECT_EQ(packedAddressIndex(0x100000, 0x100100), -128);
    EXPECT_EQ(packedAddressIndex(0x110000, 0x107F7F), 1);
    EXPECT_EQ(linearAddress(0x01020304), (1u << 21) + (2u << 14) + (3u << 7) + 4u);
    EXPECT_EQ(packLinearAddress(linearAddress(0x7F016C)), 0x7F016Cu);
}

} // namespace
