#pragma once
// The formant-sequence page's editing surface: shows up to 33 tracks of 512
// frame values, lets the user draw into the edited tracks with the selected
// tool (one stroke, one undo step) and shows the part of the value range
// chosen by the zoom bar. Owned by its group's entry; owns its tracks and
// tools.
#include "controls/Control.h"
#include "fseq/FseqEditFlagLink.h"
#include "fseq/FseqMouseTool.h"
#include "fseq/FseqTrackList.h"
#include "localparams/LocalParameter.h"

#include <memory>
#include <vector>

class ParameterSequence;

class FseqGraphControl : public Control {
public:
    // Frame n of every track is bound under this role plus n.
    static constexpr RoleId firstFrameRole = 284;
    // The zoom bounds run 0..viewSteps, shown as 0..1 of the value range.
    static constexpr std::int32_t viewSteps = 1023;
    // Labels that need more than one column stand this far apart beyond the
    // widest; one column of the usual labels is repainted at least.
    static constexpr int labelColumnGap = 6;
    static constexpr int minimumLabelBand = 64;

    // With wholePixels, the tracks' frames step by whole pixels.
    FseqGraphControl(wxWindow* parent, const ControlStyle& style, bool wholePixels = false);
    // Closes a stroke still open: its undo group must not swallow later edits.
    ~FseqGraphControl() override;

    FseqTrack& addTrack(int mode, bool level, std::shared_ptr<ParameterSequence> sequence);
    void addTool(std::unique_ptr<FseqMouseTool> tool);

    FseqTrackList& trackList() { return tracks_; }
    const std::vector<std::unique_ptr<FseqMouseTool>>& tools() const { return tools_; }
    LocalParameter& toolSelector() { return toolSelector_; }
    LocalParameter& viewLow() { return viewLow_; }
    LocalParameter& viewHigh() { return viewHigh_; }
    // The sequence length, displayed as the number of frames; the tracks show
    // that many.
    void setFrameCountParameter(Parameter* frameCount);
    // A frame change shows the button (the sequence differs from the last
    // dump); a change of the dump parameter hides it.
    void setDumpParameter(Parameter* dump, Control* button);
    // The command that loads another sequence into the frames: the graph
    // listens, so it draws the new sequence as it comes in.
    void setLoadTrigger(Parameter* load);
    bool isStrokeOpen() const { return strokeTool_ != nullptr; }

    // Every frame of every track back to its default, as one undo step. The
    // tracks share their roles, so the base would reset only the last one.
    void init(std::uint32_t flags) override;
    void onMouseDown(wxMouseEvent& event) override;
    void onMouseUp(wxMouseEvent& event) override;
    void onMouseMove(wxMouseEvent& event) override;
    void onCaptureLost() override;
    // The wheel, value keys and the menu would reach only the last track's
    // frames: the graph is edited with its tools alone. Not selectable, it
    // is not reset by a double-click either.
    void onMouseWheel(wxMouseEvent& event) override;
    void onKeyDown(wxKeyEvent& event) override;
    wxMenu* popupMenu(int x, int y) override;

    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;
    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;

private:
    FseqMouseTool* selectedTool() const;
    wxPoint graphPoint(const wxMouseEvent& event) const;
    wxRect drawingArea() const;
    void layoutTracks();
    void applyVisibleRange();
    void applyFrameCount();
    void refreshGraphRect(wxRect rect);
    void endStroke(wxRect repaint);
    // Each shown track's label near its curve's start, none over another.
    void drawTrackLabels(wxDC& dc, const wxRect& area) const;
    void drawGrid(wxDC& dc, const wxRect& area) const;

    bool wholePixels_;
    FseqTrackList tracks_;
    Parameter* frameCount_ = nullptr;
    Parameter* dump_ = nullptr;
    Control* dumpButton_ = nullptr;
    LocalParameter toolSelector_{0, 0};
    LocalParameter viewLow_{0, viewSteps, 0};
    LocalParameter viewHigh_{0, viewSteps, viewSteps};
    std::vector<std::unique_ptr<FseqMouseTool>> tools_;
    FseqEditFlagLink editFlagLink_;
    // How far the labels reached when last drawn, for repainting them.
    mutable int labelBandWidth_ = minimumLabelBand;
    // The tool of the stroke in progress; none between strokes. Our own
    // record: the toolkit does not always report a lost capture.
    FseqMouseTool* strokeTool_ = nullptr;
};
