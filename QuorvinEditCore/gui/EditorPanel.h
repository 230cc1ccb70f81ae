#pragma once
// A fixed editor page drawn on a background picture, on which control groups
// lay out their controls and draw their captions. Owns its groups (and with
// them their controls); its parent window owns the page.
#include "gui/ControlGroup.h"
#include "gui/PictureSlice.h"
#include "text/RefString.h"

#include <wx/bitmap.h>
#include <wx/panel.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class Condition;
class wxDC;

class EditorPanel : public wxPanel {
public:
    // A page of groupCapacity group slots on a background decoded from PNG
    // bytes held in the program.
    EditorPanel(std::size_t groupCapacity, wxWindow* parent, const unsigned char* png, std::size_t byteCount);
    // A one-group page on the background of a PNG file; with no name, or a
    // file that cannot be loaded, the page is plain dark grey.
    EditorPanel(wxWindow* parent, const RefString& fileName);
    ~EditorPanel() override;

    // Resets every control of the page, in group and entry order, as one
    // undo step "Panel init".
    virtual void initPanel(std::uint32_t flags);
    // The page's own titles and frames, drawn over the background of rect.
    virtual void paintDecorations(wxDC& dc, const wxRect& rect);
    // Adds the condition to the enabled conditions of every group and
    // applies it at once.
    void setGroupsEnableCondition(const std::shared_ptr<Condition>& condition);

    // Fills a slot (0 to groupCount - 1) and returns the group.
    ControlGroup& setGroup(std::size_t slot, std::unique_ptr<ControlGroup> group);
    // Destroys the group of a slot ahead of the others, for pages whose
    // groups hold conditions on controls of other groups.
    void destroyGroup(std::size_t slot) { groups_.at(slot).reset(); }
    ControlGroup* group(std::size_t slot) const { return groups_.at(slot).get(); }
    std::size_t groupCount() const { return groups_.size(); }

    // The page's picture, handed to the groups' setPosition; null when the
    // page has none.
    const wxBitmap* backgroundBitmap() const { return background_.IsOk() ? &background_ : nullptr; }
    // Draws one rectangle of the page: background, decorations, then the
    // captions of every group whose box meets it.
    void paintArea(wxDC& dc, const wxRect& rect);

    // What a press on a page (not on a control) without Ctrl does: the
    // control library installs its clearing of the selection here.
    static void setSelectionClearer(std::function<void()> clear);

private:
    EditorPanel(std::size_t groupCapacity, wxWindow* parent);
    void showPlainWithoutPicture();
    void paintBackground(wxDC& dc, const wxRect& rect);
    void paint(wxPaintEvent& event);
    void onLeftDown(wxMouseEvent& event);

    std::vector<std::unique_ptr<ControlGroup>> groups_;
    wxBitmap background_;
    PictureSlice backgroundSlice_;
};
