#pragma once
// Base of every custom-drawn control of the editor pages: binds parameters by
// role, repaints and re-evaluates itself when they change, and turns keys, the
// wheel, clicks and its Init/Copy/Paste menu into recorded edits. Owned by its
// control group's entry; its window is a child of the page and dies with it.
#include "conditions/ConditionSet.h"
#include "gui/LayoutControl.h"
#include "params/ParameterListener.h"
#include "params/ParameterPath.h"
#include "text/Rational.h"
#include "text/RefString.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <wx/gdicmn.h>

class Condition;
class ControlElement;
class ControlWindow;
class LabelList;
class Parameter;
class PictureSlice;
class wxBitmap;
class wxColour;
class wxDC;
class wxDialog;
class wxKeyEvent;
class wxMenu;
class wxMouseEvent;
class wxRegion;
class wxWindow;
struct ControlStyle;

// The role a parameter is bound under.
using RoleId = std::uint32_t;

class Control : public LayoutControl, public ParameterListener {
public:
    static constexpr RoleId roleMain = 0;
    // No role: no role cursor, no drag axis.
    static constexpr RoleId kRoleNone = 0x100021C;
    // A default slot holding this has no default of its own.
    static constexpr std::int32_t noDefault = INT32_MIN;

    // The menu ids of the shared context menu.
    static constexpr int menuInit = 1;
    static constexpr int menuCopy = 2;
    static constexpr int menuPaste = 3;

    Control(wxWindow* parent, const ControlStyle& style);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    // Touches no parameter: at shutdown the parameters may be gone already.
    ~Control() override;

    // --- Layout (what a control group needs) ---------------------------------
    ParameterPath& getPath() override { return path_; }
    void place(int x, int y, const wxBitmap* background) override;
    void setSize(int width, int height) override;
    void refreshRect(const wxRect* rect) override;
    void setAttachedObject(ControlElement* element) override { attachedObject_ = element; }
    ConditionSet& shownConditions() override { return shownConditions_; }
    ConditionSet& enabledConditions() override { return enabledConditions_; }
    // One undo step "<path> reset": every bound parameter to the control's
    // own default when it has one, else to the parameter's default.
    void init(std::uint32_t flags) override;

    virtual void show(bool shown);
    virtual bool isShown() const;
    virtual void enable(bool enabled);
    virtual bool isEnabled() const;

    // --- Binding ------------------------------------------------------------
    // A null parameter only reaches onBind. The last parameter bound becomes
    // the main parameter; a second bind under a role replaces the first.
    Control& bindParameter(Parameter* parameter, RoleId role = roleMain);
    // Binding leaves the parameters that follow as they are (their keys,
    // values and defaults): for a control made after its parameter took its
    // key and its data.
    Control& keepParametersOnBind()
    {
        keepsParametersOnBind_ = true;
        return *this;
    }
    Parameter* getParameter(RoleId role) const;
    // Like getParameter, but a role with nothing bound may be stood in for
    // by one of its aliases.
    Parameter* findParameter(RoleId role) const;
    Parameter* mainParameter() const { return mainParameter_; }
    // At the role cursor; null and kRoleNone when the cursor is on none.
    Parameter* currentParameter() const;
    RoleId currentRole() const;
    // In ascending role order.
    virtual std::vector<Parameter*> getParameters() const;
    const std::map<RoleId, Parameter*>& roles() const { return roles_; }

    // --- Main parameter's display (builder chains) ---------------------------
    // Also makes the raw value that displays as 0 the default and the value.
    Control& setDisplayScale(Rational scale, Rational offset);
    virtual Control& setValueLabels(const LabelList* labels);
    virtual Control& setValueBitmaps(const wxBitmap* pictures, bool drawText);
    Control& setBitmap(std::shared_ptr<const wxBitmap> bitmap);
    // Called after the value labels or pictures of the main parameter changed.
    virtual void onDisplayTablesChanged() {}

    // --- Defaults and range limits -------------------------------------------
    // Each of these also sets the main parameter to the default.
    Control& setDefaultValue(std::int32_t raw);
    Control& setDefaultDisplayValue(Rational displayed);
    Control& setDefaultLabel(const RefString& label);
    // Keeps the default for resets only: for a control made after its
    // parameter took values that must stay.
    Control& keepDefaultValue(std::int32_t raw);
    // The first limit whose condition holds narrows the main parameter's
    // allowed range; with none holding the range is full again.
    Control& addRangeLimit(std::int32_t low, std::int32_t high, std::shared_ptr<Condition> condition);
    void applyRangeLimits(std::uint32_t flags);

    // --- Flags set by subclasses and builders ---------------------------------
    // Neither a press nor the pointer moves the keyboard focus here.
    void setNoFocus(bool noFocus) { noFocus_ = noFocus; }
    bool noFocus() const { return noFocus_; }
    void setPopOutAllowed(bool allowed) { popOutAllowed_ = allowed; }
    bool popOutAllowed() const { return popOutAllowed_; }
    // Not selectable: no Ctrl+click selection, nothing for MIDI learn, and
    // the user's Init and Paste leave it alone (an action button would run
    // its command again).
    void setSelectable(bool selectable) { selectable_ = selectable; }
    bool isSelectable() const { return selectable_; }
    // Init leaves it alone: it chooses what the page shows (another page's
    // parameter) rather than holding part of it.
    Control& setKeptOnInit(bool kept)
    {
        keptOnInit_ = kept;
        return *this;
    }
    bool isKeptOnInit() const { return keptOnInit_; }
    void setFocusFrame(bool drawn) { focusFrame_ = drawn; }
    bool hasFocusFrame() const { return focusFrame_; }

    wxWindow* window() const;
    const ControlStyle& style() const { return *style_; }
    const wxBitmap* backgroundBitmap() const { return backgroundBitmap_; }
    bool isPoppedOut() const { return popOutWindow_ != nullptr; }
    bool isFocused() const { return focused_ == this; }
    bool keyGroupOpen() const { return keyGroupOpen_; }

    // --- Drag hooks (the drag base fills them) --------------------------------
    virtual void startDrag(RoleId xRole, RoleId yRole, int x, int y);
    virtual void dragTo(int x, int y, bool fine);

    // --- Painting ------------------------------------------------------------
    // Run from the window's paint event: draw, then the selection frame, then
    // the focus frame on top.
    virtual void paint();
    // Each control draws itself at its window's current client size.
    virtual void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) = 0;
    // The page picture under the control, or the background brush.
    void paintBackground(wxDC& dc, int width, int height);

    // --- Input (the window routes its events here) ----------------------------
    virtual void onLeftDown(wxMouseEvent& event);
    virtual void onMotion(wxMouseEvent& event);
    virtual void onSetFocus();
    // Closes an open key group: the key release may reach another control.
    virtual void onKillFocus();
    virtual void onMouseDown(wxMouseEvent& event);
    virtual void onMouseUp(wxMouseEvent& event);
    virtual void onDoubleClick();
    virtual void onMouseMove(wxMouseEvent& event);
    virtual void onMouseWheel(wxMouseEvent& event);
    virtual void onCaptureLost();
    // Characters a control does not type with pass on, to the menu keys.
    virtual void onChar(wxKeyEvent& event);
    virtual void onKeyDown(wxKeyEvent& event);
    virtual void onKeyUp(wxKeyEvent& event);
    // The shared Init/Copy/Paste menu; (x, y) in the window's coordinates.
    virtual wxMenu* popupMenu(int x, int y);
    virtual void onMenuCommand(int id);

    // Moves the role cursor; true when the focus must leave the control
    // (nothing bound, or the cursor wrapped).
    bool moveRoleCursor(bool backward);
    void moveRoleCursorToFirst();
    void moveRoleCursorToLast();
    // On the role when one is bound under it, else on none.
    void moveRoleCursorTo(RoleId role);

    // --- Listener ------------------------------------------------------------
    // Shown and enabled states on every change; limits on dependentsKeepStoring;
    // a repaint on notify.
    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;
    // A bound parameter going away leaves the control's roles.
    void onParameterDestroyed(Parameter* parameter) override;

    // --- Program-wide state --------------------------------------------------
    static Control* focusedControl() { return focused_; }
    static const std::vector<Control*>& selectedControls() { return selected_; }
    static void toggleSelected(Control& control, bool select);
    static bool isSelected(const Control& control);
    static void clearSelection();
    // What MIDI learn binds to: the focused selectable control's parameters.
    static std::vector<Parameter*> focusedParameters();
    static void copyValues(const Control& control);
    static void pasteValues(Control& control);
    // Sends a Tab navigation to the control's window.
    static void navigate(Control& control, bool backward);
    // The control under the pointer, when it lies in root, takes the focus
    // as if the pointer had moved onto it: a page that comes to show under
    // a resting pointer gets the keys at once. A focused control no longer
    // shown lets the focus go.
    static void followPointerWithin(const wxWindow& root);
    // Shows the control twice as large in a borderless modal dialog; again
    // while popped out doubles it once more.
    static void popOut(Control& control);
    // Halves a popped-out control, or puts it back (all, or at the size it
    // opened at).
    static void popIn(Control& control, bool all);

protected:
    // A control with a default of its own returns where it keeps it.
    virtual std::int32_t* defaultValueSlot() { return nullptr; }
    // Each subclass names the parameters of its roles here.
    virtual void onBind(RoleId role, Parameter* parameter);
    bool keepsParametersOnBind() const { return keepsParametersOnBind_; }
    // The window's client size, which pop-out enlarges.
    wxSize clientSize() const;
    // The size a pop-out opens at, for the size the window has on its page:
    // twice that.
    virtual wxSize popOutSize(const wxSize& home) const;

private:
    friend class ControlWindow;

    struct RangeLimit {
        std::shared_ptr<Condition> condition;
        std::int32_t low;
        std::int32_t high;
    };

    void storeDefault(std::int32_t raw);
    void resetToDefaults(std::uint32_t flags);
    void stepCurrent(bool upward);
    void onEnterKey();
    // Left/Up or Right/Down: the next role, or the neighbouring control.
    void walkRoles(bool backward);
    // Init from a double-click, Ctrl+I or the menu.
    void initByUser();
    // Focus follows the pointer onto the control while the window that
    // holds it is active; keys and the wheel then act on it.
    void followPointer();
    bool holdsActiveWindow() const;
    // The focus changes the control's look, so a focus change repaints it:
    // a selectable control shows its role cursor, any control its frame.
    bool showsFocus() const { return selectable_ || focusFrame_; }
    // The pointer went off the control: keys stop acting on it.
    void pointerLeft();
    void openKeyGroup();
    void closeKeyGroup();
    bool handleCtrlKey(int keyCode);
    void runModalPopOut();
    // The page destroyed the window first.
    void windowDestroyed() { window_ = nullptr; }
    void resizePoppedOut(bool grow);
    wxColour popOutBackground() const;
    wxRect savedScreenRect() const;

    const ControlStyle* style_;
    ParameterPath path_;
    bool noFocus_ = false;
    bool popOutAllowed_ = false;
    bool selectable_ = true;
    bool focusFrame_ = true;
    bool keyGroupOpen_ = false;
    bool keptOnInit_ = false;
    bool keepsParametersOnBind_ = false;
    Parameter* mainParameter_ = nullptr;
    std::map<RoleId, Parameter*> roles_;
    std::optional<RoleId> roleCursor_;
    ControlWindow* window_;
    wxDialog* popOutWindow_ = nullptr;
    wxWindow* homeParent_ = nullptr;
    wxRect savedRect_;
    const wxBitmap* backgroundBitmap_ = nullptr;
    // Made at the first paint over the page picture.
    std::unique_ptr<PictureSlice> backgroundSlice_;
    ConditionSet shownConditions_;
    ConditionSet enabledConditions_;
    std::vector<RangeLimit> rangeLimits_;
    ControlElement* attachedObject_ = nullptr;

    static Control* focused_;
    static std::vector<Control*> selected_;
    // Where the pointer rested when the keys last moved the focus: until it
    // moves it takes no focus back, whatever window comes or goes under it
    // (a popup list closing).
    static std::optional<wxPoint> restingPointer_;
};
