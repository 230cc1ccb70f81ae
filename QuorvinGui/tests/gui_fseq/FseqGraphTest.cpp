// The formant-sequence graph on a shown page over real frame parameters,
// driven by the display's pointer; what it draws is read back from a bitmap.
#include "controls/ValueButton.h"
#include "fseq/FseqDrawTool.h"
#include "fseq/FseqGraphControl.h"
#include "fseq/FseqLineTool.h"
#include "fseq/FseqTrackBuilders.h"
#include "fseq/ParameterSequence.h"
#include "gui/ControlStyle.h"
#include "localparams/LocalParameter.h"
#include "sysex/AddressMap.h"
#include "sysex/ParameterFactory.h"
#include "tests/gui_style/PixelCanvas.h"
#include "tests/support/EventPump.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>

#include <chrono>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr PackedAddress framesStart = 0x700020;
constexpr std::int32_t wordStart = 13056;
constexpr std::int32_t levelStart = 127;
// With a border of 1 the drawing area is 512 x 256: one pixel per frame.
constexpr int graphWidth = 514;
constexpr int graphHeight = 258;
constexpr int lineTool = 1;
const wxColour ground(0, 0, 0), pitchColour(0, 255, 0), levelColour(255, 0, 0), hiddenColour(0, 0, 255);

class FseqGraphTest : public testing::Test {
protected:
    FseqGraphTest()
    {
        frame->SetClientSize(600, 320);
        style.backgroundBrush = wxBrush(ground);
        style.pen4 = wxPen(wxColour(60, 60, 60));
        map.addPage(framesStart, 25600);
        factory.setCommandList(&history);
        graph.getPath().widget = RefString(u"graph");
        graph.setSize(graphWidth, graphHeight);
        graph.place(10, 10, nullptr);
        graph.addTool(std::make_unique<FseqDrawTool>());
        graph.addTool(std::make_unique<FseqLineTool>());
        frame->Show();
        frame->Raise();
        pumpEventsFor(50ms);
    }
    ~FseqGraphTest() override { frame->Destroy(); }

    FseqTrack& addPitch()
    {
        return addFseqWordTrack(factory, graph, framesStart, addToPackedAddress(framesStart, 1), false,
            RefString(u"Pitch"), wordStart, pitchColour);
    }
    FseqTrack& addLevel(int offset, const wxColour& colour = levelColour)
    {
        return addFseqByteTrack(factory, graph, addToPackedAddress(framesStart, std::uint32_t(offset)), true,
            RefString(u"level"), levelStart, colour);
    }
    // Edited without telling the graph, so no other flag is switched off.
    static void editQuietly(FseqTrack& track) { track.editFlag().setValue(flagsConstruct, 1); }

    static std::vector<std::int32_t> values(const FseqTrack& track)
    {
        std::vector<std::int32_t> all;
        for (const Parameter& frame : track.sequence())
            all.push_back(frame.getValue());
        return all;
    }
    static int changedFrames(const FseqTrack& track, std::int32_t initial)
    {
        int changed = 0;
        for (const Parameter& frame : track.sequence())
            changed += frame.getValue() != initial;
        return changed;
    }

    // A point of the drawing area on the screen.
    wxPoint onScreen(int x, int y) const { return graph.window()->ClientToScreen(wxPoint(x + 1, y + 1)); }
    void moveTo(wxPoint point)
    {
        simulator.MouseMove(point);
        pumpEventsFor(30ms);
    }
    // Presses at the first point, moves through the others, releases at the
    // last; first waits out the double-click time of an earlier press.
    void stroke(const std::vector<wxPoint>& points)
    {
        pumpEventsFor(500ms);
        moveTo(onScreen(points.front().x, points.front().y));
        simulator.MouseDown();
        pumpEventsFor(30ms);
        for (const wxPoint& point : points)
            moveTo(onScreen(point.x, point.y));
        simulator.MouseUp();
        pumpEventsFor(50ms);
    }

    wxGUIEventLoop loop;
    wxEventLoopActivator activeLoop{&loop};
    ControlStyle style;
    CommandList history;
    AddressMap map{4};
    ParameterFactory factory{map, nullptr};
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "graph");
    wxPanel* page = new wxPanel(frame, wxID_ANY);
    FseqGraphControl graph{page, style};
    wxUIActionSimulator simulator;
};

} // namespace

TEST_F(FseqGraphTest, OneStrokeIsOneUndoStepAndSparesTracksNotEdited)
{
    FseqTrack& pitch = addPitch();
    FseqTrack& level = addLevel(18);
    editQuietly(pitch);
    stroke({{20, 200}, {60, 100}, {200, 40}, {300, 40}});
    EXPECT_GE(changedFrames(pitch, wordStart), 280) << "frames between pointer samples were skipped";
    EXPECT_EQ(changedFrames(level, levelStart), 0) << "a track whose edit flag is off was changed";
    ASSERT_EQ(history.commands().size(), 1u);
    EXPECT_EQ(history.groupDepth(), 0u);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(changedFrames(pitch, wordStart), 0);
    // A single click: one frame per edited track, one step.
    editQuietly(level);
    stroke({{100, 64}});
    EXPECT_EQ(pitch.sequence().at(100).getValue(), 12271);
    EXPECT_EQ(level.sequence().at(100).getValue(), 32);
    EXPECT_EQ(changedFrames(pitch, wordStart) + changedFrames(level, levelStart), 2);
    EXPECT_EQ(history.position(), 1u);
}

TEST_F(FseqGraphTest, LineDrawnRightToLeftEqualsLeftToRight)
{
    FseqTrack& pitch = addPitch();
    editQuietly(pitch);
    graph.toolSelector().setValue(flagsUserEdit, lineTool);
    stroke({{40, 200}, {120, 150}, {300, 30}});
    const std::vector<std::int32_t> leftToRight = values(pitch);
    EXPECT_EQ(changedFrames(pitch, wordStart), 261);
    ASSERT_TRUE(history.undo());
    stroke({{300, 30}, {90, 10}, {40, 200}});
    EXPECT_EQ(values(pitch), leftToRight);
}

TEST_F(FseqGraphTest, FrameCountLimitsTheFramesShownAndEdited)
{
    FseqTrack& pitch = addPitch();
    editQuietly(pitch);
    LocalParameter length(0, 511, 127);
    setParameterDisplayScale(&length, false, Rational(1), Rational(1));
    graph.setFrameCountParameter(&length);
    EXPECT_EQ(pitch.geometry().frameCount(), 128);
    stroke({{10, 0}, {510, 0}});
    // The 512-pixel area now holds 128 cells of 4 pixels: frames 3 to 127.
    EXPECT_EQ(changedFrames(pitch, wordStart), 125);
    EXPECT_EQ(pitch.sequence().at(128).getValue(), wordStart);
}

TEST_F(FseqGraphTest, FrameChangeShowsTheDumpButtonAndADumpHidesIt)
{
    FseqTrack& pitch = addPitch();
    LocalParameter dump(0, 1);
    ValueButton button(page, style);
    button.show(false);
    graph.setDumpParameter(&dump, &button);
    pitch.sequence().at(3).setValue(flagsUserEdit, 5);
    EXPECT_TRUE(button.isShown());
    dump.setValue(flagsUserEdit, 1);
    EXPECT_FALSE(button.isShown());
    graph.viewLow().setValue(flagsUserEdit, 3);
    EXPECT_FALSE(button.isShown()) << "a zoom change is no change of the sequence";
    graph.viewHigh().setValue(flagsUserEdit, 3);
    EXPECT_EQ(pitch.geometry().valueFromPixel(Rational(255)), 48) << "the zoom's low end is not at the bottom";
    EXPECT_EQ(pitch.geometry().valueFromPixel(Rational(0)), 16383) << "equal zoom bounds were taken";
}

TEST_F(FseqGraphTest, InitResetsEveryTrackAndDoubleClickResetsNothing)
{
    FseqTrack& pitch = addPitch();
    FseqTrack& level = addLevel(18);
    pitch.sequence().at(1).setValue(flagsUserEdit, 1);
    level.sequence().at(2).setValue(flagsUserEdit, 2);
    graph.onDoubleClick();
    EXPECT_EQ(changedFrames(pitch, wordStart) + changedFrames(level, levelStart), 2);
    const std::size_t before = history.commands().size();
    graph.init(flagsUserEdit);
    EXPECT_EQ(changedFrames(pitch, wordStart) + changedFrames(level, levelStart), 0);
    EXPECT_EQ(history.commands().size(), before + 1);
}

TEST_F(FseqGraphTest, ShownTracksAreDrawnInTheirColoursAtTheirValues)
{
    FseqTrack& pitch = addPitch();
    FseqTrack& level = addLevel(18);
    FseqTrack& hidden = addLevel(19, hiddenColour);
    for (Parameter& frame : pitch.sequence())
        frame.setValue(flagsConstruct, 0);
    for (Parameter& frame : level.sequence())
        frame.setValue(flagsConstruct, 64);
    hidden.showFlag().setValue(flagsUserEdit, 0);
    PixelCanvas canvas(graphWidth, graphHeight, ground);
    graph.draw(canvas.dc, wxRegion(), true, false, false);
    // Frequencies rise from the bottom, levels fall from the top.
    EXPECT_EQ(canvas.pixel(301, 1 + 255), pitchColour);
    EXPECT_EQ(canvas.pixel(301, 1 + level.geometry().pixelFromValue(64)), levelColour);
    bool hiddenDrawn = false;
    canvas.inkBounds(ground, hiddenColour, &hiddenDrawn);
    EXPECT_FALSE(hiddenDrawn) << "a hidden track was drawn";
}

// More labels than the graph holds one above another: each stays whole
// inside the graph and none lies under another, so every colour shows.
TEST_F(FseqGraphTest, EveryShownTracksLabelStaysWholeInsideTheGraph)
{
    // Room for three labels: six tracks need two columns.
    constexpr int trackCount = 6;
    constexpr int lowGraph = 50;
    graph.setSize(graphWidth, lowGraph);
    std::vector<wxColour> colours;
    for (int k = 0; k < trackCount; ++k) {
        colours.emplace_back(40 + 30 * k, 255 - 30 * k, 128);
        FseqTrack& track = addLevel(k, colours.back());
        for (Parameter& frame : track.sequence())
            frame.setValue(flagsConstruct, 0);
    }
    PixelCanvas canvas(graphWidth, lowGraph, ground);
    graph.draw(canvas.dc, wxRegion(), true, false, false);
    const wxImage& image = canvas.image();
    // The curves run along the top row; below it only labels are drawn.
    std::vector<int> lowest(colours.size(), -1);
    const unsigned char* rgb = image.GetData();
    for (int y = 2; y < lowGraph; ++y)
        for (int x = 1; x < graphWidth - 1; ++x) {
            const unsigned char* at = rgb + 3 * (y * graphWidth + x);
            for (std::size_t k = 0; k < colours.size(); ++k)
                if (at[0] == colours[k].Red() && at[1] == colours[k].Green() && at[2] == colours[k].Blue())
                    lowest[k] = y;
        }
    for (std::size_t k = 0; k < colours.size(); ++k) {
        EXPECT_GE(lowest[k], 0) << "the label of track " << k << " is hidden";
        EXPECT_LT(lowest[k], lowGraph - 2) << "the label of track " << k << " is cut at the bottom edge";
    }
}
