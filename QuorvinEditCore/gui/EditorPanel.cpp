#include "gui/EditorPanel.h"

#include "gui/Colours.h"
#include "gui/PngBitmap.h"
#include "gui/WxLayout.h"
#include "layout/PanelInit.h"
#include "text/WxText.h"

#include <wx/dcbuffer.h>
#include <wx/dcgraph.h>
#include <wx/filefn.h>
#include <wx/log.h>
#include <wx/region.h>

#include <map>

namespace {

constexpr long pageStyle = wxTAB_TRAVERSAL | wxBORDER_NONE;
constexpr std::size_t oneGroup = 1;

std::function<void()>& selectionClearer()
{
    static std::function<void()> clear;
    return clear;
}

bool loadPngFile(wxBitmap& bitmap, const RefString& fileName)
{
    const wxString path = toWxString(fileName);
    if (path.empty() || !wxFileExists(path))
        return false;
    addPngHandler();
    // A file that does not load leaves the page plain; no log box.
    const wxLogNull quiet;
    return bitmap.LoadFile(path, wxBITMAP_TYPE_PNG) && bitmap.IsOk();
}

// The four voice pages show one picture: decoded once and shared, as a
// bitmap's data is until something draws on it.
bool sharedBitmapFromPng(wxBitmap& bitmap, const unsigned char* png, std::size_t byteCount)
{
    static std::map<const unsigned char*, wxBitmap> decoded;
    if (const auto found = decoded.find(png); found != decoded.end()) {
        bitmap = found->second;
        return true;
    }
    if (!bitmapFromPng(bitmap, png, byteCount))
        return false;
    decoded.emplace(png, bitmap);
    return true;
}

} // namespace

EditorPanel::EditorPanel(std::size_t groupCapacity, wxWindow* parent) : groups_(groupCapacity)
{
    // The page paints all of its background itself.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, pageStyle, "panel");
    SetForegroundColour(colourLightGrey());
    Bind(wxEVT_PAINT, &EditorPanel::paint, this);
    Bind(wxEVT_LEFT_DOWN, &EditorPanel::onLeftDown, this);
}

EditorPanel::EditorPanel(std::size_t groupCapacity, wxWindow* parent, const unsigned char* png,
    std::size_t byteCount)
    : EditorPanel(groupCapacity, parent)
{
    if (!sharedBitmapFromPng(background_, png, byteCount))
        showPlainWithoutPicture();
}

EditorPanel::EditorPanel(wxWindow* parent, const RefString& fileName) : EditorPanel(oneGroup, parent)
{
    if (!loadPngFile(background_, fileName))
        showPlainWithoutPicture();
}

EditorPanel::~EditorPanel() = default;

void EditorPanel::initPanel(std::uint32_t flags)
{
    runPanelInit(flags, [this, flags] {
        for (const auto& group : groups_)
            if (group)
                group->initChildren(flags);
    });
}

void EditorPanel::paintDecorations(wxDC& /*dc*/, const wxRect& /*rect*/) {}

void EditorPanel::setGroupsEnableCondition(const std::shared_ptr<Condition>& condition)
{
    for (const auto& group : groups_)
        if (group) {
            group->enabledConditions().addRequired(condition);
            group->updateStates();
        }
}

ControlGroup& EditorPanel::setGroup(std::size_t slot, std::unique_ptr<ControlGroup> group)
{
    std::unique_ptr<ControlGroup>& held = groups_.at(slot);
    held = std::move(group);
    return *held;
}

void EditorPanel::paintArea(wxDC& dc, const wxRect& rect)
{
    paintBackground(dc, rect);
    paintDecorations(dc, rect);
    for (const auto& group : groups_) {
        if (!group)
            continue;
        const LayoutSize extent = group->paintExtent();
        const wxRect box(toWxPoint(group->position()), wxSize(extent.width, extent.height));
        const wxRect common = box.Intersect(rect);
        if (!common.IsEmpty())
            group->paintChildren(dc, LayoutRect(common.x, common.y, common.width, common.height));
    }
}

void EditorPanel::setSelectionClearer(std::function<void()> clear) { selectionClearer() = std::move(clear); }

void EditorPanel::showPlainWithoutPicture()
{
    background_ = wxBitmap();
    SetBackgroundColour(colourDarkGrey());
}

void EditorPanel::paintBackground(wxDC& dc, const wxRect& rect)
{
    const wxRect pictured
        = background_.IsOk() ? rect.Intersect(wxRect(background_.GetSize())) : wxRect();
    if (pictured != rect) {
        dc.SetBrush(wxBrush(GetBackgroundColour()));
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawRectangle(rect);
    }
    if (!pictured.IsEmpty())
        backgroundSlice_.drawWhole(dc, background_, pictured);
}

void EditorPanel::paint(wxPaintEvent& /*event*/)
{
    wxBufferedPaintDC buffered(this);
    wxGCDC dc(buffered);
    dc.GetGraphicsContext()->SetAntialiasMode(wxANTIALIAS_DEFAULT);
    for (wxRegionIterator area(GetUpdateRegion()); area; ++area)
        paintArea(dc, area.GetRect());
}

void EditorPanel::onLeftDown(wxMouseEvent& event)
{
    if (!event.ControlDown() && selectionClearer())
        selectionClearer()();
    event.Skip();
}
