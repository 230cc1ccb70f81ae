#include "fseq/FseqGraphControl.h"

#include "fseq/FseqLabelSpread.h"

#include "fseq/ParameterSequence.h"
#include "gui/ControlStyle.h"
#include "params/Parameter.h"
#include "text/WxText.h"
#include "undo/CommandList.h"

#include <wx/dc.h>
#include <wx/event.h>
#include <wx/intl.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <algorithm>

namespace {

// Grid lines every this many frames, and this many bands of value.
constexpr int gridFrames = 64;
constexpr int gridValueBands = 4;

Rational displayValue(const Parameter& parameter) { return parameter.displayOf(parameter.getValue()); }

} // namespace

FseqGraphControl::FseqGraphControl(wxWindow* parent, const ControlStyle& style, bool wholePixels)
    : Control(parent, style), wholePixels_(wholePixels),
      // Alt adds a track to the edited set; read from the click itself.
      editFlagLink_([] { return wxGetMouseState().AltDown(); })
{
    for (LocalParameter* bound : {&viewLow_, &viewHigh_}) {
        const std::int32_t value = bound->getValue();
        setParameterDisplayScale(bound, false, Rational(1, viewSteps), Rational(0));
        bound->setDefaultValue(value);
        bound->addListener(this);
    }
    // Nothing here for MIDI learn, selection, Copy or Paste.
    setSelectable(false);
    // Pop-out resizes the window without the layout, so follow the window.
    window()->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        layoutTracks();
        event.Skip();
    });
}

FseqGraphControl::~FseqGraphControl()
{
    if (strokeTool_) {
        strokeTool_ = nullptr;
        endCommandGroup(flagsUserEdit);
    }
}

FseqTrack& FseqGraphControl::addTrack(int mode, bool level, std::shared_ptr<ParameterSequence> sequence)
{
    FseqTrack& track = tracks_.add(std::make_unique<FseqTrack>(sequence, wholePixels_, mode, level));
    track.showFlag().addListener(this);
    editFlagLink_.watch(track.editFlag());
    track.setVisibleRange(displayValue(viewLow_), displayValue(viewHigh_));
    const wxRect area = drawingArea();
    track.setArea(area.width, area.height);
    if (frameCount_)
        track.setFramesShown(int(Rational::ceil(displayValue(*frameCount_))));
    RoleId role = firstFrameRole;
    for (Parameter& frame : *sequence)
        bindParameter(&frame, role++);
    return track;
}

void FseqGraphControl::addTool(std::unique_ptr<FseqMouseTool> tool)
{
    tool->setTracks(&tracks_);
    tools_.push_back(std::move(tool));
    const std::int32_t last = std::int32_t(tools_.size()) - 1;
    toolSelector_.setRange(0, last, flagsConstruct);
}

void FseqGraphControl::setFrameCountParameter(Parameter* frameCount)
{
    frameCount_ = frameCount;
    if (!frameCount_)
        return;
    frameCount_->addListener(this);
    applyFrameCount();
}

void FseqGraphControl::setDumpParameter(Parameter* dump, Control* button)
{
    dump_ = dump;
    dumpButton_ = button;
    if (dump_)
        dump_->addListener(this);
}

void FseqGraphControl::setLoadTrigger(Parameter* load)
{
    if (load)
        load->addListener(this);
}

// --- Reset ------------------------------------------------------------------

void FseqGraphControl::init(std::uint32_t flags)
{
    beginCommandGroup(RefString::concat(getPath().text(), fromWxString(wxGetTranslation(" reset"))), flags);
    for (const auto& track : tracks_.tracks()) {
        for (Parameter& frame : track->sequence())
            frame.setValue(flags, frame.defaultValue());
    }
    endCommandGroup(flags);
}

// --- Strokes ----------------------------------------------------------------

FseqMouseTool* FseqGraphControl::selectedTool() const
{
    if (tools_.empty())
        return nullptr;
    const auto index = std::size_t(std::clamp<std::int32_t>(toolSelector_.getValue(), 0, std::int32_t(tools_.size()) - 1));
    return tools_[index].get();
}

wxPoint FseqGraphControl::graphPoint(const wxMouseEvent& event) const
{
    const int border = style().borderWidth;
    return {event.GetX() - border, event.GetY() - border};
}

void FseqGraphControl::onMouseDown(wxMouseEvent& event)
{
    FseqMouseTool* tool = selectedTool();
    if (!tool)
        return;
    if (strokeTool_)
        endStroke(strokeTool_->cancel());
    wxWindow* own = window();
    if (own && !own->HasCapture())
        own->CaptureMouse();
    beginCommandGroup(getPath().text(), flagsUserEdit);
    strokeTool_ = tool;
    refreshGraphRect(tool->press(graphPoint(event)));
}

void FseqGraphControl::onMouseMove(wxMouseEvent& event)
{
    if (!strokeTool_)
        return;
    // A release the toolkit never delivered ends the stroke here.
    if (!event.LeftIsDown()) {
        endStroke(strokeTool_->cancel());
        return;
    }
    refreshGraphRect(strokeTool_->drag(graphPoint(event)));
}

void FseqGraphControl::onMouseUp(wxMouseEvent& event)
{
    if (strokeTool_)
        endStroke(strokeTool_->release(graphPoint(event)));
}

void FseqGraphControl::onCaptureLost()
{
    if (strokeTool_)
        endStroke(strokeTool_->cancel());
}

void FseqGraphControl::endStroke(wxRect repaint)
{
    refreshGraphRect(repaint);
    strokeTool_ = nullptr;
    endCommandGroup(flagsUserEdit);
    wxWindow* own = window();
    if (own && own->HasCapture())
        own->ReleaseMouse();
}

void FseqGraphControl::refreshGraphRect(wxRect rect)
{
    if (rect.IsEmpty())
        return;
    // A new first frame moves its label, and the labels it pushes apart.
    if (rect.x <= 0)
        rect.Union(wxRect(0, 0, labelBandWidth_, drawingArea().height));
    rect.Offset(style().borderWidth, style().borderWidth);
    refreshRect(&rect);
}

void FseqGraphControl::onMouseWheel(wxMouseEvent& event) { event.Skip(); }

void FseqGraphControl::onKeyDown(wxKeyEvent& event)
{
    // Tab still moves on to the next control.
    if (event.GetKeyCode() == WXK_TAB)
        Control::onKeyDown(event);
    else
        event.Skip();
}

wxMenu* FseqGraphControl::popupMenu(int, int) { return nullptr; }

// --- Changes ----------------------------------------------------------------

void FseqGraphControl::onParameterChanged(Parameter* parameter, std::uint32_t flags)
{
    if (parameter == nullptr) {
        Control::onParameterChanged(parameter, flags);
        return;
    }
    if (parameter == frameCount_) {
        applyFrameCount();
    } else if (parameter == &viewLow_ || parameter == &viewHigh_) {
        applyVisibleRange();
    } else if (parameter == dump_) {
        if (dumpButton_)
            dumpButton_->show(false);
    } else if (dumpButton_) {
        for (const auto& track : tracks_.tracks()) {
            if (track->sequence().contains(parameter)) {
                dumpButton_->show(true);
                break;
            }
        }
    }
    Control::onParameterChanged(parameter, flags);
}

void FseqGraphControl::applyFrameCount()
{
    const int frames = int(Rational::ceil(displayValue(*frameCount_)));
    for (const auto& track : tracks_.tracks())
        track->setFramesShown(frames);
}

// Equal or crossed zoom bounds are refused: each track keeps the part it shows.
void FseqGraphControl::applyVisibleRange()
{
    for (const auto& track : tracks_.tracks())
        track->setVisibleRange(displayValue(viewLow_), displayValue(viewHigh_));
}

// --- Drawing ----------------------------------------------------------------

wxRect FseqGraphControl::drawingArea() const
{
    const wxSize size = clientSize();
    const int border = style().borderWidth;
    return {border, border, std::max(size.x - 2 * border, 0), std::max(size.y - 2 * border, 0)};
}

void FseqGraphControl::layoutTracks()
{
    const wxRect area = drawingArea();
    for (const auto& track : tracks_.tracks())
        track->setArea(area.width, area.height);
}

void FseqGraphControl::draw(wxDC& dc, const wxRegion&, bool, bool, bool)
{
    const wxSize size = clientSize();
    paintBackground(dc, size.x, size.y);
    const wxRect area = drawingArea();
    dc.SetClippingRegion(area);
    drawGrid(dc, area);
    for (const auto& track : tracks_.tracks()) {
        if (track->isDrawn())
            track->draw(dc, area.GetTopLeft());
    }
    drawTrackLabels(dc, area);
    dc.DestroyClippingRegion();
    if (FseqMouseTool* tool = selectedTool()) {
        // The tools work in graph pixels, which start inside the border.
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.SetPen(style().pen3);
        dc.SetDeviceOrigin(area.x, area.y);
        tool->drawOverlay(dc);
        dc.SetDeviceOrigin(0, 0);
    }
}

void FseqGraphControl::drawTrackLabels(wxDC& dc, const wxRect& area) const
{
    const int labelHeight = dc.GetCharHeight();
    std::vector<const FseqTrack*> labelled;
    std::vector<int> wanted;
    int widest = 0;
    for (const auto& track : tracks_.tracks()) {
        const std::optional<int> top = track->isDrawn() ? track->wantedLabelTop(labelHeight) : std::nullopt;
        if (top) {
            labelled.push_back(track.get());
            wanted.push_back(*top);
            widest = std::max(widest, dc.GetTextExtent(toWxString(track->label())).x);
        }
    }
    const int columnWidth = widest + labelColumnGap;
    const std::vector<FseqLabelSpread::Place> places = FseqLabelSpread(labelHeight, area.height).places(wanted);
    int columns = 1;
    for (std::size_t k = 0; k < labelled.size(); ++k) {
        const wxPoint origin = area.GetTopLeft() + wxPoint(places[k].column * columnWidth, 0);
        labelled[k]->drawLabel(dc, origin, places[k].top, style().backgroundBrush.GetColour());
        columns = std::max(columns, places[k].column + 1);
    }
    labelBandWidth_ = std::max(columns * columnWidth, minimumLabelBand);
}

void FseqGraphControl::drawGrid(wxDC& dc, const wxRect& area) const
{
    dc.SetPen(style().pen4);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(area);
    for (int band = 1; band < gridValueBands; ++band) {
        const int y = area.y + area.height * band / gridValueBands;
        dc.DrawLine(area.x, y, area.GetRight(), y);
    }
    if (tracks_.tracks().empty())
        return;
    const FseqTrackGeometry& geometry = tracks_.tracks().front()->geometry();
    for (int frame = gridFrames; frame < geometry.frameCount(); frame += gridFrames) {
        const int x = area.x + geometry.pixelFromFrame(frame);
        dc.DrawLine(x, area.y, x, area.GetBottom());
    }
}
