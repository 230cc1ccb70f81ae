#include "effects/EffectBlock.h"

#include "controls/ControlFactories.h"
#include "effects/EffectPageBuilder.h"
#include "effects/EffectParameters.h"
#include "gui/ControlStyle.h"
#include "gui/VerticalControlGroup.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

#include <wx/gdicmn.h>
#include <wx/translation.h>

#include <utility>

namespace {

constexpr int headerChoiceHeight = 16;

RefString translated(const char* text) { return fromWxString(wxGetTranslation(wxString::FromUTF8(text))); }

} // namespace

EffectBlock::EffectBlock(const EffectBlockDescription& description, wxWindow* page, ParameterFactory& factory,
    const ControlStyle& style, std::function<void()> typeShown)
    : description_(description), typeShown_(std::move(typeShown)), switch_(description.typeCount)
{
    header_ = std::make_unique<VerticalControlGroup>(translated(description.headerName), page, &factory, style);
    const RefString pageName = translated(description.pageName);
    for (std::size_t t = 0; t < description.pages.size(); ++t) {
        pages_.push_back(std::make_unique<VerticalControlGroup>(pageName, page, &factory, style));
        pages_.back()->setShown(false);
    }
    built_.assign(pages_.size(), false);
    typeParameter_ = factory.addSysexParameter(description.typeAddress, 0, description.typeCount, 0);
    typeParameter_->addListener(this);
    EffectPageBuilder::layOutHeader(*header_);
    ChoiceControl& choice = addChoice(*header_, translated(description.caption), typeParameter_,
        headerChoiceHeight, ControlStyle::largeText);
    choice.setValueLabels(EffectParameters::labelTable(description.typeLabelTable));
    typeChoice_ = choice.window();
    definitions_ = EffectParameters::makeDefinitions(factory, description.definitions);
    for (std::size_t t = 0; t < pages_.size(); ++t)
        pageParameters_.push_back(EffectPageBuilder::makeParameters(*pages_[t], description.pages[t], definitions_));
}

// The parameters belong to the factory, which may be gone already.
EffectBlock::~EffectBlock() = default;

ControlGroup* EffectBlock::page(std::int32_t type)
{
    if (type < 1 || static_cast<std::size_t>(type) > pages_.size())
        return nullptr;
    return builtPage(type);
}

ControlGroup* EffectBlock::builtPage(std::int32_t type)
{
    const std::size_t index = static_cast<std::size_t>(type) - 1;
    ControlGroup& group = *pages_[index];
    if (!built_[index]) {
        built_[index] = true;
        EffectPageBuilder::build(group, description_.pages[index], pageParameters_[index], typeChoice_);
        group.setPosition(description_.x, pageY, background_);
    }
    return &group;
}

std::vector<ControlGroup*> EffectBlock::allGroups() const
{
    std::vector<ControlGroup*> groups{header_.get()};
    for (const auto& page : pages_)
        groups.push_back(page.get());
    return groups;
}

void EffectBlock::paint(wxDC& dc, const wxRect& area) const
{
    const LayoutRect rect(area.x, area.y, area.width, area.height);
    for (ControlGroup* group : allGroups())
        group->paintChildren(dc, rect);
}

void EffectBlock::layout(const wxBitmap* background)
{
    background_ = background;
    header_->setPosition(description_.x, headerY, background);
    for (const auto& page : pages_)
        page->setPosition(description_.x, pageY, background);
}

void EffectBlock::init(std::uint32_t flags)
{
    header_->initChildren(flags);
    for (const auto& page : pages_)
        if (page->isShown())
            page->initChildren(flags);
}

void EffectBlock::show(std::int32_t type, bool shown)
{
    if (ControlGroup* group = page(type))
        group->setShown(shown);
}

void EffectBlock::resendPage(std::int32_t type) const
{
    for (SysexParameter* parameter : pageParameters_[std::size_t(type) - 1])
        parameter->resendValue();
}

void EffectBlock::onParameterChanged(Parameter* parameter, std::uint32_t flags)
{
    if (parameter != typeParameter_)
        return;
    const auto step = switch_.change(parameter->getValue(), flags);
    if (!step)
        return;
    show(step->hide, false);
    show(step->show, true);
    ControlGroup* shown = page(step->show);
    // The defaults join the user's step, so its undo gives back the values
    // they replaced and its redo the defaults. The instrument sets a type's
    // own values itself, but they go out after the type all the same, so it
    // holds the page's even where its own differ. A type sent without them
    // (an undo, a redo, a file) keeps the values the page holds: those go
    // out again after it, as the instrument has just replaced them.
    if (step->applyDefaults && shown)
        shown->initChildren((flagsQuietInit & ~SetValueFlag::noClamp) | SetValueFlag::sendToInstrument);
    else if (shown && (flags & SetValueFlag::sendToInstrument) != 0)
        resendPage(step->show);
    if (description_.typeShown) {
        const bool described = shown != nullptr;
        description_.typeShown(shown, described ? &description_.pages[std::size_t(step->show) - 1] : nullptr);
    }
    if (typeShown_)
        typeShown_();
}
