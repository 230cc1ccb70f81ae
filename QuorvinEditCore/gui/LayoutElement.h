#pragma once
// The base of a control group: its entries (controls with their captions),
// its own captions (headings, section titles), its place on the page and
// its shown and enabled states. Owns all of its entries and captions; the
// page owns the element.
#include "gui/ControlElement.h"
#include "gui/LabelElement.h"
#include "layout/ElementStates.h"
#include "layout/LayoutGeometry.h"
#include "text/RefString.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class wxBitmap;
class wxDC;

class LayoutElement : public ElementStates {
public:
    explicit LayoutElement(const RefString& name);
    ~LayoutElement() override;

    const RefString& name() const { return name_; }
    LayoutPoint position() const { return position_; }
    // Places the element at (x, y) on its page with every control and
    // caption; background is the page's picture, or null when it has none.
    void setPosition(int x, int y, const wxBitmap* background);

    // Repaints every control whole.
    void refreshChildren();
    // Resets every control with the flags, in the order they were added.
    void initChildren(std::uint32_t flags);
    // Draws the captions that meet rect (page coordinates); nothing while
    // the element is hidden. Controls paint themselves.
    void paintChildren(wxDC& dc, const LayoutRect& rect) const;
    // The caption text of entry number position; empty without a caption.
    RefString itemText(std::size_t position) const;

    const std::vector<std::unique_ptr<ControlElement>>& controls() const { return controls_; }
    const std::vector<std::unique_ptr<LabelElement>>& captions() const { return captions_; }

protected:
    ControlElement& appendEntry(std::unique_ptr<ControlElement> entry);
    LabelElement& appendCaption(std::unique_ptr<LabelElement> caption);

private:
    RefString name_;
    LayoutPoint position_;
    std::vector<std::unique_ptr<ControlElement>> controls_;
    std::vector<std::unique_ptr<LabelElement>> captions_;
};
