#pragma once
// A named flow of controls on an editor page: controls follow one another
// along a row (or down a column) with their captions, rows close and new
// ones begin, runs of controls stand under section titles. The group names
// each control's location, makes it follow the group's shown and enabled
// states, and owns it. Owned by its page; the window (the page), the caption
// style and the factory must outlive it.
#include "gui/LayoutElement.h"
#include "layout/ControlFlow.h"
#include "sysex/PackedAddress.h"

#include <memory>

class LayoutControl;
class ParameterFactory;
class wxWindow;
struct ControlStyle;

class ControlGroup : public LayoutElement, public ControlFlow {
public:
    ControlGroup(FlowOrientation orientation, const RefString& name, wxWindow* window, ParameterFactory* factory,
        const ControlStyle& captionStyle);

    // The common way in: adds and sizes the control, names its location and
    // makes its caption (an empty caption makes none). Length 0 takes the
    // default length; captionKind is a ControlStyle text kind; extraAcross
    // shifts the control across the flow; depth rowDepth takes the row's.
    ControlElement& addLabelledControl(std::unique_ptr<LayoutControl> control, const RefString& caption, int length,
        int captionKind, int extraAcross = 0, int depth = rowDepth);
    // Adds and sizes the control at the cursor without a caption; the
    // cursor stays where it is.
    ControlElement& addControl(std::unique_ptr<LayoutControl> control, int depth, int extraAcross, int length);
    // Fills the control's location from the group, section, caption and line.
    void setControlPath(LayoutControl& control, const RefString& caption) const;
    // A caption that takes a control's place in the flow.
    ControlElement& addTextItem(const RefString& text, int length, int captionKind, bool centred);
    // Closes an open section and opens a new one under the title.
    void beginSection(const RefString& title);

    wxWindow* window() const { return window_; }
    const ControlStyle& captionStyle() const { return captionStyle_; }
    // Through which page builders make the parameters of this group.
    ParameterFactory* factory() const { return factory_; }
    // The address to which page builders add offsets for this group.
    PackedAddress baseAddress() const { return baseAddress_; }
    void setBaseAddress(PackedAddress address) { baseAddress_ = address; }

protected:
    // Headings, titles and text items are shown with no control: repaint them.
    void shownChanged() override;

private:
    std::unique_ptr<LabelElement> makeCaption(const RefString& text, int kind) const;
    void addControlCaption(ControlElement& entry, const RefString& caption, int captionKind, int length);

    wxWindow* window_;
    const ControlStyle& captionStyle_;
    ParameterFactory* factory_;
    PackedAddress baseAddress_ = 0;
};
