#include "EnvelopeZoneFixture.h"

#include "controls/DragScaling.h"
#include "controls/EnvelopeControl.h"
#include "controls/PartEnvelopeControl.h"

#include <wx/app.h>

namespace {

// Four columns of 30 pixels and a drawing height of 100 inside a margin of 2.
const wxRect envelopePlace{20, 20, 124, 105};

// Where the seven-role envelope's points lie at the values it is bound with.
const wxPoint startPoint{2, 102};
const wxPoint attackPoint{32, 2};
const wxPoint decayPoint{46, 52};
const wxPoint sustainEnd{91, 52};
const wxPoint releasePoint{121, 102};

class EnvelopeTest : public EnvelopeZoneFixture {
protected:
    // Start, attack, decay to sustain, the sustain column, release.
    EnvelopeControl& sevenRoleEnvelope(const wxRect& place = envelopePlace)
    {
        EnvelopeControl& envelope = addControl<EnvelopeControl>(place);
        bind(envelope, EnvelopeShape::startLevel, 0, 99, 0);
        attackTime = &bind(envelope, EnvelopeShape::attackTime, 0, 99, 99);
        bind(envelope, EnvelopeShape::attackLevel, 0, 99, 99);
        decayTime = &bind(envelope, EnvelopeShape::decayTime, 0, 99, 49);
        sustain = &bind(envelope, EnvelopeShape::sustainLevel, 0, 99, 50);
        bind(envelope, EnvelopeShape::releaseTime, 0, 99, 99);
        bind(envelope, EnvelopeShape::endLevel, 0, 99, 0);
        return envelope;
    }

    LocalParameter* attackTime = nullptr;
    LocalParameter* decayTime = nullptr;
    LocalParameter* sustain = nullptr;
};

} // namespace

TEST_F(EnvelopeTest, DraggingAPointMovesItsTimeAndLevelAsOneUndoStep)
{
    EnvelopeControl& envelope = sevenRoleEnvelope();
    drag(onScreen(envelope, decayPoint), onScreen(envelope, decayPoint + wxPoint(15, -20)));

    EXPECT_EQ(decayTime->getValue(), 49 + DragScaling::deltaFromPixels(15, 30, decayTime));
    EXPECT_EQ(sustain->getValue(), 50 + DragScaling::deltaFromPixels(20, 105, sustain));
    EXPECT_EQ(attackTime->getValue(), 99) << "only the point under the press moves";
    ASSERT_EQ(list.commands().size(), 1u);
    ASSERT_TRUE(list.undo());
    EXPECT_EQ(decayTime->getValue(), 49);
    EXPECT_EQ(sustain->getValue(), 50);
}

TEST_F(EnvelopeTest, HoverHighlightsThePointUnderThePointerAndReadsItOut)
{
    EnvelopeControl& envelope = sevenRoleEnvelope();
    moveTo(onScreen(envelope, attackPoint + wxPoint(1, 1)));
    EXPECT_EQ(envelope.highlightedTimeRole(), EnvelopeShape::attackTime);
    EXPECT_EQ(envelope.highlightedLevelRole(), EnvelopeShape::attackLevel);
    EXPECT_EQ(envelope.currentRole(), EnvelopeShape::attackTime) << "the role cursor follows the pointer";

    auto canvas = drawn(envelope, true);
    EXPECT_EQ(canvas->pixel(attackPoint.x - 2, attackPoint.y), highlightColour);
    EXPECT_EQ(canvas->pixel(decayPoint.x - 2, decayPoint.y), handleColour);
    EXPECT_GT(countOtherThan(*canvas, wxRect(60, 0, 62, 24), ground), 0) << "no Level/Time readout";

    moveTo(onScreen(envelope, wxPoint(70, 20)));
    EXPECT_EQ(envelope.highlightedTimeRole(), Control::kRoleNone);
    EXPECT_EQ(envelope.currentRole(), Control::kRoleNone) << "the wheel would edit a point no longer shown";
    canvas = drawn(envelope, true);
    EXPECT_EQ(canvas->pixel(attackPoint.x - 2, attackPoint.y), handleColour) << "the cursor kept the highlight";
    EXPECT_EQ(countOtherThan(*canvas, wxRect(60, 0, 62, 24), ground), 0);
}

TEST_F(EnvelopeTest, SevenRoleEnvelopeDrawsItsColumnsFilledUnderTheLineWithHandlesOnTop)
{
    EnvelopeControl& envelope = sevenRoleEnvelope();
    EXPECT_EQ(sustain->key().name, RefString(u"sustain level"));
    auto canvas = drawn(envelope, false);
    for (const wxPoint& point : {startPoint, attackPoint, decayPoint, sustainEnd, releasePoint})
        EXPECT_EQ(canvas->pixel(point.x - 2, point.y), handleColour) << point.x << "," << point.y;
    EXPECT_EQ(canvas->pixel(70, 52), lineColour) << "the sustain line";
    EXPECT_EQ(canvas->pixel(70, 80), fillColour) << "under the sustain line";
    EXPECT_EQ(canvas->pixel(70, 30), ground) << "above the sustain line";
    EXPECT_EQ(canvas->pixel(110, 60), ground) << "above the release";
}

TEST_F(EnvelopeTest, PartEnvelopeShiftsRightForANegativeFirstTimeAndFillsTheDeviation)
{
    PartEnvelopeControl& envelope = addControl<PartEnvelopeControl>(wxRect(20, 20, 64, 105));
    bind(envelope, EnvelopeShape::startLevel, -50, 50, 0);
    LocalParameter& time = bind(envelope, EnvelopeShape::attackTime, -30, 30, 0);
    LocalParameter& level = bind(envelope, EnvelopeShape::attackLevel, -50, 50, 0);
    bind(envelope, EnvelopeShape::releaseTime, -30, 30, 0);
    bind(envelope, EnvelopeShape::endLevel, -50, 50, 0);
    EXPECT_EQ(envelope.originX(), 2);
    time.setValue(flagsConstruct, -30);
    EXPECT_EQ(envelope.currentPolyline().points[1].x, 2 + 15);

    time.setValue(flagsConstruct, 0);
    auto neutral = drawn(envelope, false);
    EXPECT_EQ(countOtherThan(*neutral, wxRect(0, 60, 64, 40), ground), 0) << "no deviation, no fill";
    level.setValue(flagsConstruct, 50);
    EXPECT_EQ(drawn(envelope, false)->pixel(14, 45), fillColour) << "the raised level's deviation is filled";
}

// An operator's envelope is a strip on its page: doubled, it would still be
// one. It opens at a legible size, and one step back puts it in its place.
TEST_F(EnvelopeTest, AStripEnvelopePopsOutLegiblyAndOneStepBackPutsItHome)
{
    EnvelopeControl& strip = sevenRoleEnvelope(wxRect(20, 20, 80, 16));
    EnvelopeControl& large = sevenRoleEnvelope(wxRect(20, 60, 240, 110));
    std::vector<wxSize> sizes;
    for (EnvelopeControl* envelope : {&strip, &large}) {
        wxTheApp->CallAfter([&sizes, envelope] {
            sizes.push_back(envelope->window()->GetClientSize());
            Control::popIn(*envelope, false);
        });
        Control::popOut(*envelope);
        EXPECT_FALSE(envelope->isPoppedOut());
    }
    EXPECT_EQ(sizes, (std::vector<wxSize>{EnvelopeControl::legiblePopOutSize, wxSize(480, 220)}));
}
