#pragma once
// A caption drawn straight onto an editor page by its control group: one or
// more lines right-aligned in a box. Owned by its group or its group entry;
// the style and the window must outlive it.
#include "gui/ControlStyle.h"
#include "layout/LayoutGeometry.h"
#include "layout/TextBlock.h"
#include "text/RefString.h"

class wxDC;
class wxWindow;

class LabelElement {
public:
    // kind picks the font and colour of the style (ControlStyle text kinds);
    // the text is measured at once on window.
    LabelElement(const ControlStyle& style, wxWindow* window, const RefString& text, int kind);

    // Draws at the page position, unless hidden.
    void draw(wxDC& dc) const;
    // Repaints the caption's box when the state changes.
    void setShown(bool shown);
    bool isShown() const { return shown_; }

    void setPagePosition(LayoutPoint position) { pagePosition_ = position; }
    LayoutPoint pagePosition() const { return pagePosition_; }
    // Relative to the owning group.
    void setOffset(LayoutPoint offset) { offset_ = offset; }
    LayoutPoint offset() const { return offset_; }
    // TextBlock::naturalBox for the natural width.
    void setBoxWidth(int width) { boxWidth_ = width; }
    int boxWidth() const { return boxWidth_; }

    const RefString& text() const { return block_.text(); }
    int naturalWidth() const { return block_.naturalWidth(); }
    int lineHeight() const { return block_.lineHeight(); }
    int lineCount() const { return block_.lineCount(); }
    // The box on the page, and the same box relative to the group.
    LayoutRect pageBox() const { return block_.box(pagePosition_, boxWidth_); }
    LayoutRect groupBox() const { return block_.box(offset_, boxWidth_); }

private:
    wxWindow* window_;
    LayoutPoint pagePosition_;
    LayoutPoint offset_;
    int boxWidth_ = TextBlock::naturalBox;
    bool shown_ = true;
    const wxFont& font_;
    const wxColour& colour_;
    TextBlock block_;
};
