#pragma once
// One effect unit of the performance page (insertion, variation or reverb),
// made from its description: a header with the effect-type choice and one
// page of controls per type, of which only the current type's is shown. A
// page's parameters are made with the block, its controls when it is first
// shown or asked for. A user's change of type applies the new page's
// defaults; any other type sent to the instrument is followed by the page's
// values. Owned by the performance page; owns its groups, the factory owns
// its parameters.
#include "effects/EffectTables.h"
#include "effects/EffectTypeSwitch.h"
#include "params/ParameterListener.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class ControlGroup;
class ParameterFactory;
class SysexParameter;
class wxBitmap;
class wxDC;
class wxRect;
class wxWindow;
struct ControlStyle;

class EffectBlock : public ParameterListener {
public:
    static constexpr int headerY = 462;
    static constexpr int pageY = 480;

    // typeShown runs after every accepted type change, once the description's
    // own hook ran (the page redraws what depends on the block).
    EffectBlock(const EffectBlockDescription& description, wxWindow* page, ParameterFactory& factory,
        const ControlStyle& style, std::function<void()> typeShown = {});
    ~EffectBlock() override;

    // Draws the captions of the header and of the shown page.
    void paint(wxDC& dc, const wxRect& area) const;
    // Places the header and every page at the block's column.
    void layout(const wxBitmap* background);
    // Resets the header, then the page still shown after that.
    void init(std::uint32_t flags);

    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;

    const EffectBlockDescription& description() const { return description_; }
    ControlGroup& header() const { return *header_; }
    // Null for "No effect" and for a type without a page; made if not yet.
    ControlGroup* page(std::int32_t type);
    std::int32_t currentType() const { return switch_.currentType(); }
    SysexParameter* typeParameter() const { return typeParameter_; }
    // Null for a number not used.
    SysexParameter* definition(std::size_t number) const { return definitions_.at(number); }

private:
    std::vector<ControlGroup*> allGroups() const;
    ControlGroup* builtPage(std::int32_t type);
    void show(std::int32_t type, bool shown);
    void resendPage(std::int32_t type) const;

    const EffectBlockDescription& description_;
    std::function<void()> typeShown_;
    std::unique_ptr<ControlGroup> header_;
    // Entry t - 1 is the page of type t, empty until it is first needed.
    std::vector<std::unique_ptr<ControlGroup>> pages_;
    std::vector<bool> built_;
    // Entry t - 1 holds the parameters of type t's page.
    std::vector<std::vector<SysexParameter*>> pageParameters_;
    EffectTypeSwitch switch_;
    SysexParameter* typeParameter_ = nullptr;
    // A page's controls follow the type choice in the tab order.
    wxWindow* typeChoice_ = nullptr;
    // The page's picture as the last layout gave it, for pages made later.
    const wxBitmap* background_ = nullptr;
    std::vector<SysexParameter*> definitions_;
};
