#include "controls/Control.h"

#include "conditions/Condition.h"
#include "controls/ControlWindow.h"
#include "controls/RoleAliasTable.h"
#include "gui/ControlElement.h"
#include "gui/ControlStyle.h"
#include "gui/EditorPanel.h"
#include "gui/PictureSlice.h"
#include "midi/FocusedParameters.h"
#include "params/Parameter.h"
#include "text/WxText.h"
#include "undo/CommandList.h"

#include <wx/dcclient.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/region.h>

#include <algorithm>

Control* Control::focused_ = nullptr;
std::vector<Control*> Control::selected_;
std::optional<wxPoint> Control::restingPointer_;

namespace {

bool isTransparent(const wxBrush& brush) { return !brush.IsOk() || brush.GetStyle() == wxBRUSHSTYLE_TRANSPARENT; }

RefString translated(const char* text) { return fromWxString(wxGetTranslation(text)); }

// The core reaches the controls through two hooks, installed with the first
// control: a press on a page itself clears the selection, and MIDI learn
// binds the parameters of the control under the pointer.
std::shared_ptr<const ParameterList> focusedParametersForLearn()
{
    ParameterList parameters = Control::focusedParameters();
    if (parameters.empty())
        return nullptr;
    return std::make_shared<const ParameterList>(std::move(parameters));
}

void installCoreHooks()
{
    static const bool installed = (EditorPanel::setSelectionClearer(&Control::clearSelection),
        setFocusedParametersSource(&focusedParametersForLearn), true);
    (void)installed;
}

} // namespace

Control::Control(wxWindow* parent, const ControlStyle& style)
    : style_(&style),
      window_(new ControlWindow(parent, this)),
      shownConditions_(this),
      enabledConditions_(this)
{
    installCoreHooks();
}

Control::~Control()
{
    // A key group left open would swallow every later edit into one step.
    closeKeyGroup();
    if (focused_ == this)
        focused_ = nullptr;
    std::erase(selected_, this);
    if (window_) {
        window_->forgetControl();
        window_->Destroy();
    }
}

// --- Layout -----------------------------------------------------------------

void Control::place(int x, int y, const wxBitmap* background)
{
    backgroundBitmap_ = background;
    if (!window_)
        return;
    window_->Move(x, y);
    if (isTransparent(style_->backgroundBrush) && background == nullptr && style_->backgroundBrush.IsOk())
        window_->SetBackgroundColour(style_->backgroundBrush.GetColour());
}

void Control::setSize(int width, int height)
{
    if (window_)
        window_->SetSize(width, height);
}

void Control::refreshRect(const wxRect* rect)
{
    if (window_)
        window_->Refresh(false, rect);
}

void Control::show(bool shown)
{
    if (window_)
        window_->Show(shown);
    if (attachedObject_ && attachedObject_->caption())
        attachedObject_->caption()->setShown(shown);
}

bool Control::isShown() const { return window_ && window_->IsShown(); }

void Control::enable(bool enabled)
{
    if (window_)
        window_->Enable(enabled);
}

bool Control::isEnabled() const { return window_ && window_->IsEnabled(); }

wxWindow* Control::window() const { return window_; }

wxSize Control::clientSize() const { return window_ ? window_->GetClientSize() : wxSize(); }

// --- Binding ----------------------------------------------------------------

Control& Control::bindParameter(Parameter* parameter, RoleId role)
{
    if (parameter) {
        mainParameter_ = parameter;
        roles_[role] = parameter;
        roleCursor_.reset();
        if (!keepsParametersOnBind_)
            parameter->setKeyAndRegister(path_);
    }
    onBind(role, parameter);
    if (parameter)
        parameter->addListener(this);
    return *this;
}

void Control::onBind(RoleId, Parameter*) {}

Parameter* Control::getParameter(RoleId role) const
{
    const auto found = roles_.find(role);
    return found == roles_.end() ? nullptr : found->second;
}

Parameter* Control::findParameter(RoleId role) const
{
    if (role == kRoleNone)
        return nullptr;
    if (Parameter* parameter = getParameter(role))
        return parameter;
    for (const RoleId alias : RoleAliasTable::aliasesOf(role))
        if (Parameter* parameter = getParameter(alias))
            return parameter;
    return nullptr;
}

Parameter* Control::currentParameter() const { return roleCursor_ ? getParameter(*roleCursor_) : nullptr; }

RoleId Control::currentRole() const { return roleCursor_.value_or(kRoleNone); }

std::vector<Parameter*> Control::getParameters() const
{
    std::vector<Parameter*> parameters;
    for (const auto& [role, parameter] : roles_)
        parameters.push_back(parameter);
    return parameters;
}

// --- Display of the main parameter ------------------------------------------

Control& Control::setDisplayScale(Rational scale, Rational offset)
{
    if (mainParameter_)
        setParameterDisplayScale(mainParameter_, true, scale, offset);
    return *this;
}

Control& Control::setValueLabels(const LabelList* labels)
{
    if (mainParameter_)
        mainParameter_->setValueLabels(labels);
    onDisplayTablesChanged();
    return *this;
}

Control& Control::setValueBitmaps(const wxBitmap* pictures, bool drawText)
{
    if (mainParameter_) {
        mainParameter_->setValuePictures(pictures);
        mainParameter_->setBitmap(mainParameter_->picture(), drawText);
    }
    onDisplayTablesChanged();
    return *this;
}

Control& Control::setBitmap(std::shared_ptr<const wxBitmap> bitmap)
{
    if (mainParameter_)
        mainParameter_->setBitmap(std::move(bitmap), false);
    return *this;
}

// --- Defaults -----------------------------------------------------------------

Control& Control::setDefaultValue(std::int32_t raw)
{
    storeDefault(raw);
    return *this;
}

Control& Control::setDefaultDisplayValue(Rational displayed)
{
    // Without a bound parameter there is no scale to read the value with.
    if (mainParameter_)
        storeDefault(mainParameter_->rawFromDisplay(displayed));
    return *this;
}

Control& Control::setDefaultLabel(const RefString& label)
{
    if (mainParameter_)
        storeDefault(mainParameter_->valueFromLabel(label));
    return *this;
}

Control& Control::keepDefaultValue(std::int32_t raw)
{
    if (std::int32_t* slot = defaultValueSlot())
        *slot = raw;
    else if (mainParameter_)
        mainParameter_->setDefaultValue(raw);
    return *this;
}

void Control::storeDefault(std::int32_t raw)
{
    keepDefaultValue(raw);
    if (mainParameter_)
        mainParameter_->setValue(flagsConstruct, raw);
}

void Control::init(std::uint32_t flags)
{
    if (keptOnInit_)
        return;
    beginCommandGroup(RefString::concat(path_.text(), translated(" reset")), flags);
    resetToDefaults(flags);
    endCommandGroup(flags);
}

void Control::resetToDefaults(std::uint32_t flags)
{
    const std::int32_t* slot = defaultValueSlot();
    for (const auto& [role, parameter] : roles_) {
        const bool ownDefault = slot && *slot != noDefault;
        parameter->setValue(flags, ownDefault ? *slot : parameter->defaultValue());
    }
}

// --- Range limits ---------------------------------------------------------------

Control& Control::addRangeLimit(std::int32_t low, std::int32_t high, std::shared_ptr<Condition> condition)
{
    Condition& added = *condition;
    rangeLimits_.push_back({std::move(condition), low, high});
    applyRangeLimits(flagsConstruct);
    added.subscribe(*this);
    return *this;
}

void Control::applyRangeLimits(std::uint32_t flags)
{
    if (!mainParameter_ || rangeLimits_.empty())
        return;
    Parameter& parameter = *mainParameter_;
    const auto holding = std::find_if(rangeLimits_.begin(), rangeLimits_.end(),
        [](const RangeLimit& limit) { return limit.condition->isTrue(); });
    if (holding == rangeLimits_.end()) {
        parameter.setAllowedRange(parameter.minimum(), parameter.maximum(), 0);
        return;
    }
    // A limit lying wholly outside the range narrows it to the nearer end
    // rather than leaving an allowed minimum above the allowed maximum.
    const std::int32_t low = std::clamp(holding->low, parameter.minimum(), parameter.maximum());
    const std::int32_t high = std::clamp(holding->high, low, parameter.maximum());
    parameter.setAllowedRange(low, high, 0);
    if (flags & SetValueFlag::noClamp)
        return;
    const std::int32_t value = parameter.getValue();
    if (value == Parameter::noValue) {
        parameter.setValue(flags, value);
        return;
    }
    const std::int32_t moved = value == parameter.excludedValue() ? value + 1 : value;
    if (std::clamp(moved, low, high) != value)
        parameter.setValue(flags, value);
}

// --- Listener -------------------------------------------------------------------

void Control::onParameterChanged(Parameter*, std::uint32_t flags)
{
    show(shownConditions_.evaluate());
    enable(enabledConditions_.evaluate());
    // Only a change that stores can pull the value in; one that cannot would
    // be told again and again.
    constexpr std::uint32_t storing = SetValueFlag::dependentsKeepStoring | SetValueFlag::storeBoundData;
    if ((flags & storing) == storing)
        applyRangeLimits(flags);
    if (flags & SetValueFlag::notify)
        refreshRect(nullptr);
}

void Control::onParameterDestroyed(Parameter* parameter)
{
    std::erase_if(roles_, [parameter](const auto& entry) { return entry.second == parameter; });
    if (mainParameter_ == parameter)
        mainParameter_ = nullptr;
    if (roleCursor_ && !roles_.contains(*roleCursor_))
        roleCursor_.reset();
}

// --- Painting -------------------------------------------------------------------

void Control::paint()
{
    // The toolkit's paint context draws through cairo and is double-buffered
    // already: a second graphics context over it costs every control's paint.
    wxPaintDC dc(window_);
    const bool selected = isSelected(*this);
    const bool focused = isFocused();
    draw(dc, window_->GetUpdateRegion(), window_->IsEnabled(), selected, focused);
    const wxSize size = window_->GetClientSize();
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    if (selected) {
        dc.SetPen(style_->pen6);
        dc.DrawRectangle(0, 0, size.x, size.y);
    }
    if (focused && focusFrame_) {
        dc.SetPen(style_->pen5);
        dc.DrawRectangle(0, 0, size.x, size.y);
    }
}

void Control::paintBackground(wxDC& dc, int width, int height)
{
    const bool transparent = isTransparent(style_->backgroundBrush);
    if (transparent && backgroundBitmap_ && backgroundBitmap_->IsOk() && !isPoppedOut() && window_) {
        const wxRect bitmapArea(0, 0, backgroundBitmap_->GetWidth(), backgroundBitmap_->GetHeight());
        const wxRect under = window_->GetRect().Intersect(bitmapArea);
        if (under.IsEmpty())
            return;
        if (!backgroundSlice_)
            backgroundSlice_ = std::make_unique<PictureSlice>();
        backgroundSlice_->draw(dc, *backgroundBitmap_, under);
        return;
    }
    dc.SetPen(*wxTRANSPARENT_PEN);
    if (transparent) {
        const wxWindow* parent = window_ ? window_->GetParent() : nullptr;
        dc.SetBrush(wxBrush(parent ? parent->GetBackgroundColour() : *wxBLACK));
    } else {
        dc.SetBrush(style_->backgroundBrush);
    }
    dc.DrawRectangle(0, 0, width, height);
}

// --- Default hooks --------------------------------------------------------------

void Control::startDrag(RoleId, RoleId, int, int) {}
void Control::dragTo(int, int, bool) {}
void Control::onMouseDown(wxMouseEvent&) {}
void Control::onMouseUp(wxMouseEvent& event) { event.Skip(); }
void Control::onMouseMove(wxMouseEvent&) {}
void Control::onCaptureLost() {}
void Control::onChar(wxKeyEvent& event) { event.Skip(); }
// The same rule as Ctrl+I and the menu.
void Control::onDoubleClick() { initByUser(); }
