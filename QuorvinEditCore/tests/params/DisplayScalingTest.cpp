#include "FakeParameter.h"

#include "labels/ValueLabels.h"
#include "text/WxText.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

std::u16string text(const RefString& s) { return std::u16string(s.view()); }

// --- Display mapping ------------------------------------------------------------

TEST(DisplayMapping, TenthsAroundAnOffsetMakeABipolarParameterWhoseDefaultIsClamped)
{
    FakeParameter p(0, 127);
    setParameterDisplayScale(&p, true, Rational(1, 10), Rational(-64, 1));
    EXPECT_EQ(p.displayOf(0), Rational(-640, 10));
    EXPECT_TRUE(p.isBipolar());
    // Display 0 is raw 640, outside the range.
    EXPECT_EQ(p.defaultValue(), 127);
    EXPECT_EQ(p.getValue(), 127);
}

TEST(DisplayMapping, AZeroScaleIsRefusedInsteadOfDividingByZero)
{
    FakeParameter p(0, 127);
    p.setDisplayScale(Rational(0, 1), Rational(5, 1), false);
    EXPECT_EQ(p.scale(), Rational(1, 1));
    EXPECT_EQ(p.offset(), Rational(5, 1));
    EXPECT_EQ(p.rawFromDisplay(Rational(10, 1)), 5);
}

TEST(DisplayMapping, ANegativeScaleReversesTheDisplay)
{
    FakeParameter p(0, 127);
    setParameterDisplayScale(&p, true, Rational(-1, 7), Rational(0, 1));
    EXPECT_EQ(p.scale(), Rational(-1, 7));
    EXPECT_EQ(p.displayOf(14), Rational(-14, 7));
    EXPECT_EQ(p.rawFromDisplay(Rational(-1, 1)), 7);
    EXPECT_EQ(p.rawFromDisplay(Rational(1, 1)), 0);
    EXPECT_EQ(p.defaultValue(), 0);
}

TEST(DisplayMapping, HugeDisplayedValuesClampInsteadOfOverflowing)
{
    FakeParameter p(-100, 100);
    p.setDisplayScale(Rational(1, 1000000), Rational(0, 1), false);
    EXPECT_EQ(p.rawFromDisplay(Rational(INT64_MAX / 2, 1)), 100);
    EXPECT_EQ(p.rawFromDisplay(Rational(INT64_MIN / 2, 1)), -100);
}

// --- Texts ----------------------------------------------------------------------

TEST(DisplayTexts, FormatValuePrintsASignOnlyAboveZeroOfABipolarParameter)
{
    FakeParameter p(0, 127);
    p.setDisplayScale(Rational(1, 1), Rational(-64, 1), false);
    EXPECT_EQ(p.formatValue(70), "+6");
    EXPECT_EQ(p.formatValue(64), "0");
    EXPECT_EQ(p.formatValue(0), "-64");

    FakeParameter tenths(0, 127);
    tenths.setDisplayScale(Rational(1, 10), Rational(0, 1), false);
    EXPECT_EQ(tenths.formatValue(5), "0.5");
}

TEST(DisplayTexts, FormatValueRoundsWhereDisplayTextTruncates)
{
    FakeParameter p(0, 1000);
    p.setDisplayScale(Rational(2, 300), Rational(0, 1), false);
    // 1 x 2/300 = 0.00666...
    EXPECT_EQ(p.formatValue(1), "0.007");
    EXPECT_EQ(text(p.valueText(1)), u"0.006");
}

TEST(DisplayTexts, HundredthsAreTruncatedFixedPoint)
{
    FakeParameter p(0, 127);
    p.setDisplayScale(Rational(1, 100), Rational(0, 1), false);
    EXPECT_EQ(text(p.valueText(7)), u"0.07");
}

TEST(DisplayTexts, LabelsAreLookedUpAtTheRoundedDisplay)
{
    const RefString names[] = {RefString(u"Off"), RefString(u"Low"), RefString(u"High")};
    const ValueLabels labels(names, 3);
    FakeParameter p(0, 2);
    p.setValueLabels(&labels);
    EXPECT_EQ(text(p.valueText(1)), u"Low");
    EXPECT_EQ(p.formatValue(2), "High");
    p.setDisplayScale(Rational(1, 2), Rational(0, 1), false);
    // Raw 1 displays 1/2, which rounds to 1.
    EXPECT_EQ(text(p.valueText(1)), u"Low");
}

TEST(DisplayTexts, ValueFromLabelGivesZeroForUnknownTextsEvenOutsideTheRange)
{
    const RefString names[] = {RefString(u"A"), RefString(u"B"), RefString(u"C"), RefString(u"D")};
    const ValueLabels labels(names, 4);
    FakeParameter p(2, 3);
    EXPECT_EQ(p.valueFromLabel(RefString(u"C")), 0);
    p.setValueLabels(&labels);
    EXPECT_EQ(p.valueFromLabel(RefString(u"C")), 2);
    EXPECT_EQ(p.valueFromLabel(RefString(u"nothing")), 0);
}

TEST(DisplayTexts, LabelSearchOverTheWholeIntegerRangeEnds)
{
    const RefString names[] = {RefString(u"A")};
    const ValueLabels labels(names, 1);
    FakeParameter p(INT_MAX - 2, INT_MAX);
    p.setValueLabels(&labels);
    EXPECT_EQ(p.valueFromLabel(RefString(u"missing")), 0);
}

// --- Round trips raw -> displayed text -> raw ---------------------------------------

struct ScaleCase {
    const char* name;
    std::int32_t minimum;
    std::int32_t maximum;
    Rational scale;
    Rational offset;
};

class DisplayRoundTrip : public testing::TestWithParam<ScaleCase> {};

TEST_P(DisplayRoundTrip, EveryRawValueReadsBackFromItsText)
{
    const ScaleCase& c = GetParam();
    FakeParameter p(c.minimum, c.maximum);
    p.setUnit(RefString(u"dB"));
    p.setDisplayScale(c.scale, c.offset, false);
    for (std::int32_t raw = c.minimum; raw <= c.maximum; ++raw) {
        const RefString shown = p.valueText(raw);
        EXPECT_EQ(p.rawFromText(shown), raw) << "text " << shown.toUtf8();
        EXPECT_EQ(p.rawFromText(fromWxString(p.formatValue(raw))), raw);
        EXPECT_EQ(p.rawFromText(RefString::concat(shown, RefString(u" dB"))), raw);
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, DisplayRoundTrip,
    testing::Values(ScaleCase{"Plain", 0, 127, Rational(1, 1), Rational(0, 1)},
        ScaleCase{"NegativeOffset", 0, 127, Rational(1, 1), Rational(-64, 1)},
        ScaleCase{"Tenths", 0, 127, Rational(1, 10), Rational(0, 1)},
        ScaleCase{"TenthsNegativeOffset", 0, 127, Rational(1, 10), Rational(-64, 10)},
        ScaleCase{"Hundredths", 0, 300, Rational(1, 100), Rational(-150, 100)},
        ScaleCase{"NegativeRange", -50, 50, Rational(1, 10), Rational(-3, 1)},
        ScaleCase{"ReversedThreeHalves", 0, 99, Rational(-3, 2), Rational(0, 1)},
        ScaleCase{"ReversedQuarters", 0, 127, Rational(-1, 4), Rational(0, 1)}),
    [](const testing::TestParamInfo<ScaleCase>& info) { return std::string(info.param.name); });

TEST(DisplayParsing, LabelsNumbersAndRubbish)
{
    const RefString names[] = {RefString(u"Saw"), RefString(u"Square")};
    const ValueLabels labels(names, 2);
    FakeParameter p(0, 1);
    p.setValueLabels(&labels);
    EXPECT_EQ(p.rawFromText(RefString(u" Square ")), 1);
    EXPECT_EQ(p.rawFromText(RefString(u"0")), 0);
    EXPECT_EQ(p.rawFromText(RefString(u"Sine")), std::nullopt);

    FakeParameter number(0, 127);
    EXPECT_EQ(number.rawFromText(RefString(u"")), std::nullopt);
    EXPECT_EQ(number.rawFromText(RefString(u"-")), std::nullopt);
    EXPECT_EQ(number.rawFromText(RefString(u"1.2.3")), std::nullopt);
    EXPECT_EQ(number.rawFromText(RefString(u"12x")), std::nullopt);
    EXPECT_EQ(number.rawFromText(RefString(u"99999999999999999999999")), std::nullopt);
    EXPECT_EQ(number.rawFromText(RefString(u"500")), 127);
    EXPECT_EQ(number.rawFromText(RefString(u"12,6")), 13);
}

// --- Normalised positions -----------------------------------------------------------

TEST(NormalizedPosition, ARangeOfOneValueIsAtZeroInsteadOfDividingByZero)
{
    FakeParameter single(5, 5);
    EXPECT_EQ(single.normalizedPosition(), Rational(0, 1));
    single.setNormalizedPosition(flagsUserEdit, Rational(1, 2));
    EXPECT_EQ(single.getValue(), 5);

    // Bipolar with its zero point at the maximum: the upper span is empty.
    FakeParameter top(0, 64);
    top.setDisplayScale(Rational(1, 1), Rational(-64, 1), false);
    top.force(64);
    EXPECT_EQ(top.normalizedPosition(), Rational(0, 1));
}

TEST(NormalizedPosition, PlainRangeMapsOntoZeroToOne)
{
    FakeParameter p(10, 20);
    p.force(15);
    EXPECT_EQ(p.normalizedPosition(), Rational(5, 10));
    p.setNormalizedPosition(flagsUserEdit, Rational(-1, 4));
    EXPECT_EQ(p.getValue(), 10);
    p.setNormalizedPosition(flagsUserEdit, Rational(3, 2));
    EXPECT_EQ(p.getValue(), 20);
}

TEST(NormalizedPosition, BipolarValuesRoundTripOnBothSidesOfZero)
{
    FakeParameter p(0, 100);
    p.setDisplayScale(Rational(1, 1), Rational(-30, 1), false);
    for (std::int32_t v = 0; v <= 100; ++v) {
        p.force(v);
        const Rational position = p.normalizedPosition();
        EXPECT_EQ(position.numerator < 0, v < 30);
        FakeParameter copy(0, 100);
        copy.setDisplayScale(Rational(1, 1), Rational(-30, 1), false);
        copy.setNormalizedPosition(flagsUserEdit, position);
        EXPECT_EQ(copy.getValue(), v);
    }
    p.force(0);
    EXPECT_EQ(p.normalizedPosition(), Rational(-30, 30));
}

TEST(NormalizedPosition, TheWholeIntegerRangeMapsWithoutOverflow)
{
    // Shifted so the minimum displays 0: a plain, not bipolar, range.
    const Rational shift(INT_MAX, 1);
    FakeParameter p(INT_MIN + 1, INT_MAX);
    p.setDisplayScale(Rational(1, 1), shift, false);
    p.force(INT_MAX);
    EXPECT_EQ(p.normalizedPosition(), Rational(0xFFFFFFFEll, 0xFFFFFFFEu));
    FakeParameter copy(INT_MIN + 1, INT_MAX);
    copy.setDisplayScale(Rational(1, 1), shift, false);
    copy.setNormalizedPosition(flagsUserEdit, Rational(0xFFFFFFFEll, 0xFFFFFFFEu));
    EXPECT_EQ(copy.getValue(), INT_MAX);
    copy.setNormalizedPosition(flagsUserEdit, Rational(1, 2));
    EXPECT_EQ(copy.getValue(), 0);
}

} // namespace
