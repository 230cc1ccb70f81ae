// The popup list of every kind of control that opens one, used on a desktop:
// a window manager runs, and the pointer, the keys and the wheel come through
// the X server as a person's do. Each list opens at its control and on the
// screen, offers every item, picks by mouse and by keys, and closes on Escape,
// on Tab (which moves on), on a click elsewhere, when the user turns to
// another application and when its page goes. Toolkit asserts (a failed or
// repeated mouse capture among them) and logged warnings fail the test.
#include "app/Fs1rDeviceType.h"
#include "app/tests/gui_app/EditorFixture.h"
#include "app/tests/support/EditorWindows.h"
#include "controls/AlgorithmControl.h"
#include "controls/ControlWindow.h"
#include "controls/GridSelectorControl.h"
#include "device/Device.h"
#include "instrument/Fs1rPanels.h"
#include "layout/CellLayout.h"
#include "layout/PopupItemSource.h"
#include "midi/MidiInterface.h"
#include "params/Parameter.h"
#include "popup/PopupListDialog.h"
#include "popup/PopupSelectionTarget.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/EventPump.h"
#include "tests/support/OtherApplicationWindow.h"

#include <gmock/gmock.h>
#include <wx/display.h>
#include <wx/log.h>
#include <wx/msgdlg.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

struct ListCase {
    const char* kind;
    std::int32_t page;
    // The key of the control's main parameter, or of its row parameter.
    const char* parameter;
    // Items the list must offer. The last (or the last cell) is picked by
    // mouse; the first of two (or another cell) by keys.
    std::vector<std::string> items;
};

// The performance grid comes before any edit of the pages a performance
// replaces: over unsaved edits a pick asks first, and this user declines.
const ListCase listCases[] = {
    {"choice of pictures", Fs1rPanels::systemPage, "SYS FS1R  Velo curve", {}},
    {"MIDI IN list", Fs1rPanels::systemPage, "SYS midi  MIDI IN", {}},
    {"MIDI OUT list", Fs1rPanels::systemPage, "SYS midi  MIDI OUT", {}},
    {"grid selector", Fs1rPanels::performancePage, "FS1R performance  3 row", {}},
    {"value labels", Fs1rPanels::performancePage, "FS1R ins header  Insertion", {"Gate Rev", "Revrs Gate"}},
    {"program list", Fs1rPanels::performancePage, "FS1R performance  Program 1 row", {"OFF"}},
    {"assign mode", Fs1rPanels::performancePage, "FS1R performance  Assign mode 1 row", {"Poly"}},
    {"algorithm selector", Fs1rPanels::firstVoicePage, "FS1R voice 1 algo  1", {}},
};

// Warnings and errors the program logs.
class WarningLog : public wxLog {
public:
    WarningLog() : previous_(wxLog::SetActiveTarget(this)) {}
    ~WarningLog() override { wxLog::SetActiveTarget(previous_); }

    std::vector<std::string> lines;

protected:
    void DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo&) override
    {
        if (level <= wxLOG_Warning)
            lines.push_back(message.utf8_string());
    }

private:
    wxLog* const previous_;
};

const Parameter* namingParameter(Control& control)
{
    if (const Parameter* main = control.getParameter(Control::roleMain))
        return main;
    return control.getParameter(GridSelectorControl::roleRow);
}

PopupListDialog* listOf(Control& control)
{
    if (auto* labels = dynamic_cast<ValueLabelControl*>(&control))
        return labels->popupList();
    if (auto* algorithms = dynamic_cast<AlgorithmControl*>(&control))
        return algorithms->popupList();
    return nullptr;
}

std::string itemText(Control& control, std::int32_t item)
{
    if (auto* grid = dynamic_cast<GridSelectorControl*>(&control))
        return grid->cellText(item).toUtf8();
    const Parameter* parameter = control.getParameter(Control::roleMain);
    return parameter->valueText(parameter->minimum() + item).toUtf8();
}

// A grid's items with those its extra cells stand for.
std::int32_t itemCount(Control& control)
{
    if (auto* grid = dynamic_cast<GridSelectorControl*>(&control))
        return grid->geometry().strips() * grid->geometry().itemsPerStrip();
    return dynamic_cast<PopupItemSource&>(control).itemCount();
}

// The items that have a cell of their own (a grid's extra cells stand for
// several items).
std::vector<std::int32_t> cellsOf(Control& control, const CellLayout& layout)
{
    std::vector<std::int32_t> cells;
    const std::int32_t count = itemCount(control);
    for (std::int32_t item = 0; item < count; ++item) {
        const LayoutPoint origin = layout.cellOrigin(item);
        if (layout.cellAt(origin.x, origin.y) == item)
            cells.push_back(item);
    }
    return cells;
}

std::int32_t cellShowing(Control& control, const CellLayout& layout, const std::string& text)
{
    for (const std::int32_t cell : cellsOf(control, layout))
        if (itemText(control, cell) == text)
            return cell;
    return ItemPicker::noCell;
}

// A cell's rectangle in the list window, as scrolled now.
wxRect cellInWindow(const PopupListDialog& list, std::int32_t cell)
{
    const CellLayout& layout = *const_cast<PopupListDialog&>(list).layout();
    const LayoutPoint origin = list.toWindow(layout.cellOrigin(cell));
    return {origin.x, origin.y, layout.cellSize().width, layout.cellSize().height};
}

bool showsWhole(const PopupListDialog& list, std::int32_t cell)
{
    return wxRect(list.GetClientSize()).Contains(cellInWindow(list, cell));
}

class PopupListsTest : public EditorFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(DesktopInput::windowManagerRuns());
        ASSERT_TRUE(startUp(Fs1rDeviceType()));
        ASSERT_TRUE(pumpEventsUntil([this] { return user_.asked >= 2 && !waitDialogShown(); }, 20s));
        device_ = frame_->device();
        ASSERT_NE(device_, nullptr);
        waitForTheInstrument();
        frame_->Raise();
        input_.settle(300ms);
    }

    // A pick may load a patch; the user waits for it.
    void waitForTheInstrument()
    {
        const MidiInterface& midi = *device_->midiInterface();
        EXPECT_TRUE(pumpEventsUntil([&] { return instrumentIdle(midi); }, 30s)) << "the instrument is still busy";
        input_.settle(50ms);
    }

    void showPage(std::int32_t page)
    {
        input_.key(WXK_F1 + page);
        EXPECT_TRUE(pumpEventsUntil([&] { return device_->currentPanel() == page; }, 2s)) << "F" << page + 1;
    }

    ControlWindow* controlNamed(const std::string& key) const
    {
        ControlWindow* found = nullptr;
        forEachWindow(device_->mainPanel(), [&](wxWindow* window) {
            auto* controlWindow = dynamic_cast<ControlWindow*>(window);
            if (found || !controlWindow || !controlWindow->IsShownOnScreen() || !controlWindow->control())
                return;
            const Parameter* parameter = namingParameter(*controlWindow->control());
            if (parameter && parameter->key().text().toUtf8() == key)
                found = controlWindow;
        });
        return found;
    }

    // Clicks apart by more than the double-click time, as a person's.
    void clickAt(wxPoint screenPoint)
    {
        input_.settle(400ms);
        input_.jumpTo(screenPoint);
        input_.click();
    }

    PopupListDialog* open(ControlWindow& owner)
    {
        clickAt(owner.GetScreenRect().GetPosition() + wxPoint(4, owner.GetSize().y / 2));
        PopupListDialog* list = listOf(*owner.control());
        return list && list->IsShown() ? list : nullptr;
    }

    bool closed(const PopupListDialog* list)
    {
        input_.settle(50ms);
        return !list->IsShown();
    }

    // Holds the pointer near the edge past which the cell lies until the
    // list has scrolled it into view, then clicks it.
    void pickByMouse(PopupListDialog& list, std::int32_t cell)
    {
        for (int tries = 0; tries < 200; ++tries) {
            const wxRect rect = cellInWindow(list, cell);
            const wxSize window = list.GetClientSize();
            if (showsWhole(list, cell)) {
                const wxPoint centre(rect.x + rect.width / 2, rect.y + rect.height / 2);
                const LayoutPoint before = list.scroller().offset();
                input_.jumpTo(list.ClientToScreen(centre));
                input_.settle(30ms);
                if (list.scroller().offset() == before && cellInWindow(list, cell).Contains(centre))
                    break;
                continue;
            }
            const auto edge = [](int start, int end, int size) {
                return start < 0 ? 0 : end > size ? size - 1 : std::clamp((start + end) / 2, 0, size - 1);
            };
            input_.jumpTo(list.ClientToScreen(
                {edge(rect.x, rect.GetRight(), window.x), edge(rect.y, rect.GetBottom(), window.y)}));
            input_.settle(30ms);
        }
        ASSERT_TRUE(showsWhole(list, cell)) << "cell " << cell << " never scrolled into view";
        input_.settle(400ms);
        input_.click();
    }

    // Arrow keys to the cell, each step kept in view, then Enter. The
    // pointer rests in the list's middle, away from the edges that scroll.
    void pickByKeys(PopupListDialog& list, std::int32_t cell)
    {
        input_.jumpOnto(list);
        const CellLayout& layout = *list.layout();
        const LayoutSize pitch = layout.cellPitch();
        const LayoutPoint goal = layout.cellOrigin(cell);
        for (int steps = 0; steps < 1000 && list.hoverIndex() != cell; ++steps) {
            const std::int32_t from = list.hoverIndex() != ItemPicker::noCell ? list.hoverIndex() : list.currentIndex();
            const LayoutPoint at = layout.cellOrigin(from);
            const int across = goal.x > at.x ? 1 : goal.x < at.x ? -1 : 0;
            const int down = goal.y > at.y ? 1 : goal.y < at.y ? -1 : 0;
            const bool sideways = across != 0 && layout.cellAt(at.x + across * pitch.width, at.y) != ItemPicker::noCell;
            input_.key(sideways ? (across > 0 ? WXK_RIGHT : WXK_LEFT) : (down >= 0 ? WXK_DOWN : WXK_UP));
            ASSERT_NE(list.hoverIndex(), ItemPicker::noCell) << "the arrow keys reach no item";
            ASSERT_TRUE(showsWhole(list, list.hoverIndex())) << "the keys moved to cell " << list.hoverIndex()
                                                             << ", out of view";
            if (list.hoverIndex() == from)
                break;
        }
        ASSERT_EQ(list.hoverIndex(), cell) << "the arrow keys do not reach cell " << cell;
        input_.key(WXK_RETURN);
    }

    void expectOpensAtItsControl(const PopupListDialog& list, const ControlWindow& owner)
    {
        const wxRect shown = list.GetScreenRect();
        const wxRect control = owner.GetScreenRect();
        EXPECT_TRUE(shown.Intersects(wxRect(control).Inflate(1))) << "the list at " << shown.x << "," << shown.y << " "
                                                                  << shown.width << "x" << shown.height
                                                                  << " lies away from its control at " << control.x
                                                                  << "," << control.y;
        EXPECT_TRUE(wxDisplay(&owner).GetGeometry().Contains(shown)) << "the list leaves the screen";
        EXPECT_TRUE(list.HasCapture()) << "the list does not hold the mouse";
    }

    // Every item has a cell within the window or within its scrolling, and
    // the list offers the items the case names.
    void expectEveryItemReachable(PopupListDialog& list, Control& control, const ListCase& listCase)
    {
        const CellLayout& layout = *list.layout();
        const wxSize window = list.GetClientSize();
        const LayoutSize extents = list.scroller().extents();
        const wxRect reach(0, 0, window.x + extents.width, window.y + extents.height);
        EXPECT_GE(window.y, layout.cellSize().height) << "the list is not one item tall";
        std::set<std::string> offered;
        for (const std::int32_t cell : cellsOf(control, layout)) {
            const LayoutPoint origin = layout.cellOrigin(cell);
            EXPECT_TRUE(reach.Contains(wxRect(origin.x, origin.y, layout.cellSize().width, layout.cellSize().height)))
                << "\"" << itemText(control, cell) << "\" lies beyond the list's reach " << reach.width << "x"
                << reach.height;
            offered.insert(itemText(control, cell));
        }
        for (const std::string& item : listCase.items)
            EXPECT_TRUE(offered.contains(item)) << "the list lacks \"" << item << "\"";
    }

    // A corner of the main window away from the list and its control; none
    // when the list covers them all.
    std::optional<wxPoint> pointElsewhere(const PopupListDialog& list, const ControlWindow& owner) const
    {
        const wxRect avoided = list.GetScreenRect().Union(owner.GetScreenRect()).Inflate(4);
        const wxWindow& page = *device_->mainPanel();
        const wxSize size = page.GetClientSize();
        for (const wxPoint corner :
            {wxPoint(size.x - 6, size.y - 6), wxPoint(6, size.y - 6), wxPoint(size.x - 6, 6), wxPoint(6, 6)})
            if (!avoided.Contains(page.ClientToScreen(corner)))
                return page.ClientToScreen(corner);
        return std::nullopt;
    }

    void tryList(const ListCase& listCase)
    {
        showPage(listCase.page);
        ControlWindow* owner = controlNamed(listCase.parameter);
        ASSERT_NE(owner, nullptr) << "no control shown for " << listCase.parameter;
        Control& control = *owner->control();
        const auto current = [&] { return dynamic_cast<PopupSelectionTarget&>(control).currentCell(); };

        PopupListDialog* list = open(*owner);
        ASSERT_NE(list, nullptr) << "a click opened no list";
        expectOpensAtItsControl(*list, *owner);
        expectEveryItemReachable(*list, control, listCase);
        const std::vector<std::int32_t> cells = cellsOf(control, *list->layout());
        ASSERT_GE(cells.size(), 2u);

        const std::int32_t byMouse = listCase.items.empty() ? cells.back()
                                                            : cellShowing(control, *list->layout(), listCase.items.back());
        ASSERT_NE(byMouse, ItemPicker::noCell);
        pickByMouse(*list, byMouse);
        EXPECT_TRUE(closed(list)) << "a pick by mouse left the list open";
        EXPECT_EQ(current(), byMouse) << "the mouse did not pick \"" << itemText(control, byMouse) << "\"";
        waitForTheInstrument();

        const std::int32_t other = byMouse == cells.front() ? cells[1] : cells.front();
        const std::int32_t byKeys = listCase.items.size() < 2
            ? other
            : cellShowing(control, *list->layout(), listCase.items.front());
        ASSERT_TRUE(open(*owner));
        pickByKeys(*list, byKeys);
        EXPECT_TRUE(closed(list)) << "Enter left the list open";
        EXPECT_EQ(current(), byKeys) << "the keys did not pick \"" << itemText(control, byKeys) << "\"";
        waitForTheInstrument();

        ASSERT_TRUE(open(*owner));
        input_.jumpOnto(*list);
        input_.key(WXK_DOWN);
        input_.key(WXK_ESCAPE);
        EXPECT_TRUE(closed(list)) << "Escape left the list open";
        EXPECT_EQ(current(), byKeys) << "Escape changed the value";

        ASSERT_TRUE(open(*owner));
        input_.key(WXK_TAB);
        EXPECT_TRUE(closed(list)) << "Tab left the list open";
        EXPECT_NE(wxWindow::FindFocus(), owner) << "Tab did not move on to the next control";
        EXPECT_EQ(current(), byKeys) << "Tab changed the value";

        ASSERT_TRUE(open(*owner));
        input_.windowManagerKey(WXK_TAB, wxMOD_ALT);
        ASSERT_TRUE(pumpEventsUntil([&] { return other_.active(); }, 20s)) << "Alt+Tab activated no other window";
        EXPECT_TRUE(pumpEventsUntil([&] { return !list->IsShown(); }, 20s))
            << "the list stayed over another application";
        input_.windowManagerKey(WXK_TAB, wxMOD_ALT);
        ASSERT_TRUE(pumpEventsUntil([&] { return frame_->IsActive(); }, 20s)) << "Alt+Tab did not come back";
        EXPECT_EQ(current(), byKeys) << "turning to another application changed the value";

        ASSERT_TRUE(open(*owner));
        if (const std::optional<wxPoint> elsewhere = pointElsewhere(*list, *owner)) {
            clickAt(*elsewhere);
            EXPECT_TRUE(closed(list)) << "a click elsewhere left the list open";
            EXPECT_EQ(current(), byKeys) << "a click elsewhere changed the value";
            ASSERT_TRUE(open(*owner));
        }
        showPage(listCase.page == Fs1rPanels::systemPage ? Fs1rPanels::performancePage : Fs1rPanels::systemPage);
        EXPECT_TRUE(closed(list)) << "the list stayed after its page went";
        EXPECT_FALSE(list->HasCapture());
        EXPECT_EQ(current(), byKeys) << "a page change changed the value";
    }

    // Another application is open on the desktop before the editor starts.
    const OtherApplicationWindow other_;
    DecliningUser user_;
    WarningLog log_;
    DesktopInput input_;
    Device* device_ = nullptr;
};

TEST_F(PopupListsTest, EveryKindOfListOpensAtItsControlPicksByMouseAndKeysAndClosesAsAsked)
{
    for (const ListCase& listCase : listCases) {
        SCOPED_TRACE(listCase.kind);
        tryList(listCase);
    }
    EXPECT_THAT(log_.lines, testing::IsEmpty());
}

} // namespace
