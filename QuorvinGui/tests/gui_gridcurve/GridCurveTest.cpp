#include "controls/GridSelectorControl.h"
#include "controls/GridSelectorLayout.h"
#include "controls/LevelScalingCurveControl.h"
#include "controls/ScalingCurveControl.h"
#include "gui/ControlStyle.h"
#include "layout/CellLayout.h"
#include "localparams/LocalParameter.h"
#include "params/SetValueFlags.h"
#include "tests/gui_style/PixelCanvas.h"
#include "tests/support/EventPump.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>

#include <chrono>
#include <memory>
#include <vector>

namespace {

using namespace std::chrono_literals;

const wxColour ground{0, 0, 0};
const wxColour lineColour{255, 0, 0};
const wxColour pictureGround{0, 0, 255};
const wxColour valueColour{0, 255, 0};

class GridCurveFixture : public testing::Test {
protected:
    GridCurveFixture()
    {
        frame->SetClientSize(600, 400);
        style.backgroundBrush = wxBrush(ground);
        style.pen1 = wxPen(lineColour);
        style.brush2 = wxBrush(pictureGround);
        style.colour4 = valueColour;
        frame->Show();
        pumpEventsFor(50ms);
    }

    ~GridCurveFixture() override
    {
        Control::clearSelection();
        parameters.clear();
        controls.clear();
        frame->Destroy();
    }

    template <typename Kind>
    Kind& add(const wxRect& place, const char16_t* name)
    {
        auto control = std::make_unique<Kind>(page, style);
        Kind& added = *control;
        controls.push_back(std::move(control));
        added.setSize(place.width, place.height);
        added.place(place.x, place.y, nullptr);
        added.getPath().widget = RefString(name);
        return added;
    }

    LocalParameter& bind(Control& control, RoleId role, std::int32_t minimum, std::int32_t maximum,
        std::int32_t value)
    {
        parameters.push_back(std::make_unique<LocalParameter>(minimum, maximum, value));
        parameters.back()->setCommandList(&list);
        control.bindParameter(parameters.back().get(), role);
        return *parameters.back();
    }

    static void press(Control& control, int x, int y)
    {
        wxMouseEvent event(wxEVT_LEFT_DOWN);
        event.m_x = x;
        event.m_y = y;
        event.m_leftDown = true;
        control.onMouseDown(event);
        wxMouseEvent release(wxEVT_LEFT_UP);
        control.onMouseUp(release);
    }

    wxGUIEventLoop loop;
    wxEventLoopActivator activeLoop{&loop};
    ControlStyle style;
    CommandList list;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "grid and curves");
    wxPanel* page = new wxPanel(frame, wxID_ANY);
    std::vector<std::unique_ptr<Control>> controls;
    std::vector<std::unique_ptr<LocalParameter>> parameters;
};

// The line pen's colour, up to the smoothing of the graphics context.
bool isLine(const wxColour& colour)
{
    return colour.Red() > 200 && colour.Green() < 60 && colour.Blue() < 60;
}

bool lineCrosses(PixelCanvas& canvas, int x, int top, int bottom)
{
    for (int y = top; y <= bottom; ++y)
        if (isLine(canvas.pixel(x, y)))
            return true;
    return false;
}

} // namespace

// Filing a patch renames one slot of a library grid; measuring every slot
// again at each filing slowed the first connection.
TEST_F(GridCurveFixture, AGridSlotWhoseLabelChangesIsMeasuredAgainAlone)
{
    auto& program = add<GridSelectorControl>(wxRect(10, 10, 80, 16), u"Program");
    bind(program, GridSelectorControl::roleRow, 0, 3, 0);
    bind(program, GridSelectorControl::roleColumn, 0, 7, 0);
    std::vector<RefString> names(32, RefString(u"Pad"));
    int asked = 0;
    program.setRowLabels([&](std::int32_t row, std::int32_t column) {
        ++asked;
        return names[std::size_t(row * 8 + column)];
    });
    const auto cellWidth = [&] {
        PixelCanvas canvas(80, 16, ground);
        program.draw(canvas.dc, wxRegion(), true, false, false);
        return program.geometry().cellSize().width;
    };
    const int padWidth = cellWidth();

    names[13] = RefString(u"A far longer name");
    asked = 0;
    program.rowLabelChanged(1, 5);
    EXPECT_GT(cellWidth(), padWidth + 40) << "the cells grow to the new label";
    EXPECT_LE(asked, 2) << "the other slots keep their measures";

    names[13] = RefString(u"Pad");
    program.rowLabelChanged(1, 5);
    EXPECT_EQ(cellWidth(), padWidth) << "and shrink back when it goes";
}

TEST_F(GridCurveFixture, ChoiceInThePopupSetsBankAndProgramAsOneNamedUndoStep)
{
    auto& program = add<GridSelectorControl>(wxRect(10, 10, 80, 16), u"Program");
    LocalParameter& bank = bind(program, GridSelectorControl::roleRow, 0, 12, 1);
    LocalParameter& number = bind(program, GridSelectorControl::roleColumn, 0, 127, 0);
    program.setLabels(RefString(u"OFF"), RefString());
    EXPECT_EQ(bank.getValue(), 0) << "binding makes the minimum the default and the value";
    EXPECT_EQ(bank.defaultValue(), 0);
    bank.setValue(flagsConstruct, 1);

    press(program, 5, 5);
    ASSERT_TRUE(program.popupList()->IsShown());
    CellLayout& cells = *program.popupList()->layout();
    const LayoutSize pitch = cells.cellPitch();
    const int margin = style.borderWidth;
    // Third bank column, eleventh row below the first row: bank 3, program 10.
    const std::int32_t cell = cells.cellAt(margin + 2 * pitch.width + 1, margin + 11 * pitch.height + 1);
    program.popupList()->choose(cell);
    EXPECT_FALSE(program.popupList()->IsShown());
    EXPECT_EQ(bank.getValue(), 3);
    EXPECT_EQ(number.getValue(), 10);
    ASSERT_EQ(list.commands().size(), 1u);
    EXPECT_EQ(list.commands()[0].name, program.getPath().text());
    EXPECT_EQ(list.groupDepth(), 0u);

    program.select(cells.cellAt(margin + 1, margin + 1));
    EXPECT_EQ(bank.getValue(), 0) << "the first row is bank 0";
    EXPECT_EQ(number.getValue(), 0);
    program.select(13 * 128);
    EXPECT_EQ(list.commands().size(), 2u) << "a choice past the grid was recorded";
    ASSERT_TRUE(list.undo());
    ASSERT_TRUE(list.undo());
    EXPECT_EQ(bank.getValue(), 1);
    EXPECT_EQ(number.getValue(), 0);
}

// Paints each cell in one colour, so what is left between them is the gap.
class FilledCells : public PopupItemSource {
public:
    void drawItem(wxDC& dc, std::int32_t, bool, const LayoutRect& cell, int) override
    {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(valueColour));
        dc.DrawRectangle(cell.x, cell.y, cell.width, cell.height);
    }
    std::int32_t itemCount() const override { return 4; }
    bool itemMatches(std::int32_t, const char16_t*, std::size_t) const override { return false; }
};

TEST_F(GridCurveFixture, PopupGridGapsArePaintedInTheSeparatorColour)
{
    FilledCells cells;
    GridSelectorLayout layout(cells);
    layout.geometry().setShape(2, 2);
    layout.geometry().setCellSize(10, 10);
    layout.geometry().setMargin(1);
    layout.geometry().setGap(2);
    layout.setGapColour(lineColour);
    PixelCanvas canvas(30, 30, ground);
    layout.draw(canvas.dc, 30, 30, 0, 0, -1);
    EXPECT_EQ(canvas.pixel(5, 5), valueColour);
    EXPECT_EQ(canvas.pixel(12, 5), lineColour) << "the upright gap";
    EXPECT_EQ(canvas.pixel(5, 12), lineColour) << "the lying gap";
    EXPECT_EQ(canvas.pixel(0, 0), ground) << "the margin stays";
}

TEST_F(GridCurveFixture, AssignSelectorsLastCellIsPolyAndKeysStartOnTheColumn)
{
    auto& assign = add<GridSelectorControl>(wxRect(10, 40, 80, 16), u"Assign mode");
    LocalParameter& poly = bind(assign, GridSelectorControl::roleRow, 0, 1, 0);
    LocalParameter& priority = bind(assign, GridSelectorControl::roleColumn, 0, 3, 2);
    assign.setLabels(RefString(), RefString(u"Poly"));
    EXPECT_EQ(assign.itemCount(), 4);
    assign.select(4);
    EXPECT_EQ(poly.getValue(), 1);
    EXPECT_EQ(priority.getValue(), 0);
    priority.setValue(flagsConstruct, 2);
    EXPECT_EQ(assign.currentCell(), 4) << "poly with any priority lights the Poly cell";

    assign.window()->SetFocus();
    ASSERT_TRUE(pumpEventsUntil([&] { return Control::focusedControl() == &assign; }));
    EXPECT_EQ(assign.currentRole(), GridSelectorControl::roleColumn);
}

TEST_F(GridCurveFixture, CurveDragIsOneUndoStepOnTheSlopeUnderThePointer)
{
    auto& curve = add<ScalingCurveControl>(wxRect(10, 80, 200, 100), u"Scaling");
    LocalParameter& offset = bind(curve, ScalingCurveControl::roleOffset, -64, 63, 0);
    LocalParameter& left = bind(curve, ScalingCurveControl::roleLeftSlope, -64, 63, 0);
    LocalParameter& right = bind(curve, ScalingCurveControl::roleRightSlope, -64, 63, 0);

    wxUIActionSimulator simulator;
    simulator.MouseMove(curve.window()->ClientToScreen(wxPoint(150, 30)));
    pumpEventsFor(30ms);
    simulator.MouseDown();
    pumpEventsFor(30ms);
    for (const int x : {170, 190}) {
        simulator.MouseMove(curve.window()->ClientToScreen(wxPoint(x, 30)));
        pumpEventsFor(30ms);
    }
    simulator.MouseUp();
    pumpEventsFor(50ms);

    EXPECT_GT(right.getValue(), 0);
    EXPECT_EQ(left.getValue(), 0);
    EXPECT_EQ(offset.getValue(), 0);
    EXPECT_EQ(list.groupDepth(), 0u);
    ASSERT_EQ(list.commands().size(), 1u);
    ASSERT_TRUE(list.undo());
    EXPECT_EQ(right.getValue(), 0);
}

TEST_F(GridCurveFixture, DoubleClickOnThePivotResetsOnlyThePivotAndOneSlopeTakesEveryHorizontalDrag)
{
    auto& curve = add<ScalingCurveControl>(wxRect(10, 80, 200, 100), u"Scaling");
    LocalParameter& pivot = bind(curve, ScalingCurveControl::rolePivot, 0, 127, 70);
    pivot.setDefaultValue(60);
    LocalParameter& offset = bind(curve, ScalingCurveControl::roleOffset, -64, 63, 5);
    offset.setDefaultValue(0);
    bind(curve, ScalingCurveControl::roleSlope, -64, 63, 0);

    const wxRect label = curve.pivotLabelRect();
    curve.onHover(label.x + label.width / 2, label.y + label.height / 2);
    EXPECT_EQ(curve.xRole(), ScalingCurveControl::rolePivot);
    curve.onDoubleClick();
    EXPECT_EQ(pivot.getValue(), 60);
    EXPECT_EQ(offset.getValue(), 5);

    for (const int x : {10, 190}) {
        curve.onHover(x, 10);
        EXPECT_EQ(curve.xRole(), ScalingCurveControl::roleSlope) << x;
        EXPECT_EQ(curve.yRole(), ScalingCurveControl::roleOffset);
    }
    curve.onDoubleClick();
    EXPECT_EQ(offset.getValue(), 0) << "elsewhere a double-click inits the whole curve";
}

TEST_F(GridCurveFixture, ClickingACurvePictureStepsItsTypeRoundWithOneUndoStepEach)
{
    auto& curve = add<LevelScalingCurveControl>(wxRect(10, 80, 101, 51), u"Level");
    bind(curve, ScalingCurveControl::roleLeftShape, 0, 3, 0);
    LocalParameter& rightCurve = bind(curve, ScalingCurveControl::roleRightShape, 0, 3, 0);
    const wxRect picture = curve.curvePictureRect(false);
    ASSERT_FALSE(picture.IsEmpty());
    const wxPoint middle(picture.x + picture.width / 2, picture.y + picture.height / 2);

    std::vector<std::int32_t> types;
    for (int click = 0; click < 5; ++click) {
        press(curve, middle.x, middle.y);
        types.push_back(rightCurve.getValue());
    }
    EXPECT_EQ(types, (std::vector<std::int32_t>{1, 2, 3, 0, 1}));
    EXPECT_EQ(list.commands().size(), 5u);
    EXPECT_FALSE(curve.isDragging());
    curve.onDoubleClick();
    EXPECT_EQ(rightCurve.getValue(), 0) << "a double-click on a picture inits the control";

    rightCurve.setValue(flagsConstruct | 0x8, 7);
    EXPECT_TRUE(curve.curvePictureRect(false).IsEmpty()) << "a curve type outside the four shows no picture";
}

TEST_F(GridCurveFixture, LevelCurveSidesFollowTheirTypesAndTheCornersShowThePictures)
{
    auto& curve = add<LevelScalingCurveControl>(wxRect(10, 80, 101, 51), u"Level");
    curve.setBaseScales(Rational(1, 100), Rational(1, 100));
    bind(curve, ScalingCurveControl::roleLeftSlope, 0, 99, 50);
    LocalParameter& rightSlope = bind(curve, ScalingCurveControl::roleRightSlope, 0, 99, 50);
    bind(curve, ScalingCurveControl::roleLeftShape, 0, 3, 0);
    LocalParameter& rightCurve = bind(curve, ScalingCurveControl::roleRightShape, 0, 3, 0);

    const auto drawn = [&curve](bool enabled = true) {
        auto canvas = std::make_unique<PixelCanvas>(101, 51, ground);
        curve.draw(canvas->dc, wxRegion(), enabled, false, false);
        return canvas;
    };
    auto falling = drawn();
    // Both ends 50 x 1/2, halved, below the break at the middle.
    EXPECT_TRUE(isLine(falling->pixel(0, 38)));
    EXPECT_TRUE(isLine(falling->pixel(100, 38)));
    EXPECT_TRUE(isLine(falling->pixel(50, 25)));
    // The right picture (type 0, falling) in the bottom right corner.
    const wxRect place = curve.curvePictureRect(false);
    EXPECT_EQ(place, wxRect(101 - 1 - 14, 51 - 1 - 7, 14, 7));
    EXPECT_EQ(falling->pixel(place.x, place.y), valueColour);
    EXPECT_EQ(falling->pixel(place.GetRight(), place.y), pictureGround);
    EXPECT_EQ(drawn(false)->pixel(place.x, place.y), valueColour) << "disabled, the texts keep their colour";

    EXPECT_EQ(rightSlope.valueText(50).toUtf8(), "-0.50");
    curve.startDrag(ScalingCurveControl::roleRightSlope, Control::kRoleNone, 90, 20);
    curve.dragTo(95, 20, false);
    EXPECT_EQ(rightSlope.getValue(), 46) << "dragging right lifts a falling side towards the top";
    rightSlope.setValue(flagsConstruct, 50);

    rightCurve.setValue(flagsUserEdit, 2);
    EXPECT_EQ(rightSlope.valueText(50).toUtf8(), "0.50");
    curve.startDrag(ScalingCurveControl::roleRightSlope, Control::kRoleNone, 90, 20);
    curve.dragTo(95, 20, false);
    EXPECT_EQ(rightSlope.getValue(), 54);
    rightSlope.setValue(flagsConstruct, 50);
    auto rising = drawn();
    EXPECT_TRUE(lineCrosses(*rising, 100, 11, 13)) << "type 2 turns the right side upwards";
    EXPECT_FALSE(lineCrosses(*rising, 100, 37, 39));
    EXPECT_TRUE(lineCrosses(*rising, 60, 24, 25)) << "type 2 bends: flat by the break, steep at the end";
    EXPECT_EQ(rising->pixel(place.GetRight(), place.y), valueColour) << "type 2 ends at the top right";
}

// A curve as low as the part page's "KB track" has no row clear of its line
// for the slope text: the line stops short of the text instead of running
// under it.
TEST_F(GridCurveFixture, ASlopeTextStandsBesideTheCurveNotOverIt)
{
    auto& curve = add<ScalingCurveControl>(wxRect(10, 80, 72, 32), u"KB track");
    LocalParameter& slope = bind(curve, ScalingCurveControl::roleSlope, 0, 100, 50);
    slope.setDisplayScale(Rational(2, 100), Rational(-1), false);
    PixelCanvas canvas(72, 32, ground);
    curve.draw(canvas.dc, wxRegion(), true, false, false);
    const wxImage& image = canvas.image();
    int lineEnd = -1;
    int textStart = image.GetWidth();
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x) {
            const wxColour colour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
            if (isLine(colour))
                lineEnd = std::max(lineEnd, x);
            else if (colour == valueColour)
                textStart = std::min(textStart, x);
        }
    EXPECT_EQ(slope.valueText(slope.getValue()).toUtf8(), "0.00");
    ASSERT_LT(textStart, image.GetWidth()) << "the slope text is drawn";
    EXPECT_LT(lineEnd, textStart);
    EXPECT_GT(lineEnd, 20) << "the curve keeps the width the text leaves";
}
