#pragma once
// The flow arithmetic of a control group: where each control, caption, text
// item and section title of a row (or column) goes, worked out from the
// group's spacings and cursors alone. No display; owned by its group.
#include "layout/LayoutGeometry.h"
#include "params/ParameterPath.h"
#include "text/RefString.h"

#include <cstddef>
#include <optional>

// Horizontal groups run their controls left to right, vertical ones top to
// bottom; "along" is the running direction, "across" the other.
enum class FlowOrientation { horizontal, vertical };

// The numbers page builders tune, all in pixels.
struct FlowSpacing {
    // Length along the flow of a control added with length 0.
    int defaultLength = 0;
    // Depth of the caption band in front of the first row.
    int labelBand = 0;
    // Depth of the band for the controls' captions inside a section.
    int sectionBand = 0;
    int rowDepth = 0;
    // Gap after each control outside a section.
    int controlSpacing = 3;
    int rowSpacing = 3;
    // Gap after each control inside a section.
    int sectionSpacing = 0;
    // Space kept between a caption and its control.
    int labelGap = 3;
};

// Where the flow stands; builders that lay rows out by hand move it too.
struct FlowCursor {
    // Where the next control starts along the flow.
    int along = 0;
    // Where the current row starts across the flow.
    int across = 0;
    // The largest along cursor of the rows closed so far.
    int alongExtent = 0;
};

class ControlFlow {
public:
    // The line index of a group that does not repeat one line of controls.
    static constexpr int noLine = -1;
    // A depth that stands for the row's own depth.
    static constexpr int rowDepth = -1;
    // nextRow without extra space.
    static constexpr int noExtra = -1;

    // Where addLabelledControl puts a control's caption.
    enum class CaptionPlace {
        none,
        // In the section band, attached to the control, in the fixed text kind.
        section,
        // In the label band, attached to the control: shown and hidden with it.
        attached,
        // In the label band, as a heading of the group shared by the lines
        // that follow.
        heading,
    };

    explicit ControlFlow(FlowOrientation orientation);

    FlowOrientation orientation() const { return orientation_; }
    FlowSpacing& spacing() { return spacing_; }
    const FlowSpacing& spacing() const { return spacing_; }
    FlowCursor& cursor() { return cursor_; }
    const FlowCursor& cursor() const { return cursor_; }
    // 0 for the first of several repeated lines (its captions become
    // headings), 1 or more for the others (no captions), noLine otherwise.
    int lineIndex() const { return lineIndex_; }
    void setLineIndex(int index) { lineIndex_ = index; }
    bool inSection() const { return inSection_; }
    const RefString& sectionTitle() const { return sectionTitle_; }

    void setGeometry(int rowDepth, int labelBand, int sectionBand, int labelGap);

    LayoutSize orientSize(int along, int across) const;
    LayoutPoint orientPoint(int along, int across) const;
    // Where a control starts, relative to the group.
    LayoutPoint cursorPoint(int extraAcross) const;
    // Where the captions of the current control start.
    LayoutPoint rowPoint() const;
    // A control's size; depth rowDepth takes the row's, less the section band.
    LayoutSize elementSize(int length, int depth) const;

    // Length 0 becomes the default length; the first length given to a
    // group without a default becomes its default.
    int resolveLength(int length);
    // Moves the along cursor past an element of the resolved length.
    void advance(int length);

    CaptionPlace captionPlace(const RefString& caption) const;
    // The box width of an attached caption or heading: centred over the
    // control across a horizontal flow, right-aligned in the band beside a
    // vertical one.
    int captionBoxWidth(int naturalWidth, int length) const;
    // Where a text item's caption goes: at the cursor, or centred in its
    // slot when asked; length is resolved.
    LayoutPoint textItemOffset(int length, int naturalWidth, bool centred) const;

    // Closes an open section and opens one under the title. Returns where
    // the title's caption goes, or nothing when no title is drawn.
    std::optional<LayoutPoint> openSection(const RefString& title);
    // Closes an open section as the next title would, without opening one.
    void endSection();
    // The box width of a section title: natural across a horizontal flow,
    // right-aligned in the band beside a vertical one.
    int titleBoxWidth() const;
    // Closes the current row; extra (unless noExtra) is added across.
    void nextRow(int extra);

    // The group's box from its origin, holding every caption it may paint.
    LayoutSize paintExtent() const;

    // Names the control's location: the group, the open section, the caption
    // (else the control's 1-based position) and the line.
    void fillPath(ParameterPath& path, const RefString& groupName, const RefString& caption,
        std::size_t elementCount) const;

private:
    bool firstLine() const { return lineIndex_ < 1; }
    int labelBandOfLine() const { return firstLine() ? spacing_.labelBand : 0; }
    int gapAfterElement() const { return inSection_ ? spacing_.sectionSpacing : spacing_.controlSpacing; }
    void closeSection();

    FlowOrientation orientation_;
    FlowSpacing spacing_;
    FlowCursor cursor_;
    int lineIndex_ = noLine;
    bool inSection_ = false;
    RefString sectionTitle_;
};
