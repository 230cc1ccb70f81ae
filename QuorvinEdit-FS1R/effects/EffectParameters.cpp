#include "effects/EffectParameters.h"

#include "instrument/Fs1rValueLabels.h"
#include "labels/ValueLabels.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

#include <wx/translation.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>

namespace {

// The two texts of a page's own list, translated when the list is made.
class OwnLabelList {
public:
    explicit OwnLabelList(const EffectOwnLabels& texts)
        : labels_{translate(texts.first, texts.context), translate(texts.second, texts.context)},
          list_(labels_.data(), labelCount)
    {
    }

    const LabelList* list() const { return &list_; }

private:
    static constexpr std::uint32_t labelCount = 2;

    static RefString translate(const char* text, const char* context)
    {
        return fromWxString(wxGetTranslation(wxString::FromUTF8(text), wxString(), wxString::FromUTF8(context)));
    }

    std::array<RefString, labelCount> labels_;
    ValueLabels list_;
};

void applyDisplay(SysexParameter& parameter, const DisplayMapping& mapping, const LabelList* labels)
{
    // The raw value shown as 0 becomes the default and the value.
    if (!mapping.isIdentity())
        parameter.setDisplayScale(mapping.scale, mapping.offset, true);
    if (labels)
        parameter.setValueLabels(labels);
}

SysexParameter* makeSlotParameter(ParameterFactory& factory, PackedAddress address, std::int32_t minimum,
    std::int32_t maximum, std::uint32_t slotBits)
{
    SysexParameter* parameter = factory.addSysexParameter(address, minimum, maximum, 0);
    parameter->setBitWidth(slotBits);
    return parameter;
}

} // namespace

namespace EffectParameters {

std::vector<SysexParameter*> makeDefinitions(ParameterFactory& factory, std::span<const EffectDefinition> rows)
{
    std::vector<SysexParameter*> made;
    made.reserve(rows.size());
    for (const EffectDefinition& row : rows) {
        if (row.address == 0) {
            made.push_back(nullptr);
            continue;
        }
        SysexParameter* parameter = makeSlotParameter(factory, row.address, row.minimum, row.maximum, row.slotBits);
        applyDisplay(*parameter, row.mapping, labelTable(row.labelTable));
        made.push_back(parameter);
    }
    return made;
}

SysexParameter* makePageParameter(ParameterFactory& factory, PackedAddress base, const EffectPageParameter& row)
{
    SysexParameter* parameter =
        makeSlotParameter(factory, sumPackedAddresses(base, row.address), row.minimum, row.maximum, row.slotBits);
    applyDisplay(*parameter, row.mapping, row.ownLabels ? ownLabels(*row.ownLabels) : labelTable(row.labelTable));
    return parameter;
}

const LabelList* labelTable(std::int32_t id) { return id == noLabelTable ? nullptr : getValueLabels(id); }

const LabelList* ownLabels(const EffectOwnLabels& texts)
{
    static std::map<const EffectOwnLabels*, std::unique_ptr<OwnLabelList>> lists;
    std::unique_ptr<OwnLabelList>& list = lists[&texts];
    if (!list)
        list = std::make_unique<OwnLabelList>(texts);
    return list->list();
}

std::optional<std::int32_t> resolveDefault(const Parameter& parameter, const EffectDefault& value)
{
    std::int32_t raw = 0;
    switch (value.kind) {
    case EffectDefault::Kind::none:
        return std::nullopt;
    case EffectDefault::Kind::label:
        raw = parameter.valueFromLabel(RefString::fromUtf8(value.label));
        break;
    case EffectDefault::Kind::word:
        raw = parameter.valueFromLabel(fromWxString(wxGetTranslation(wxString::FromUTF8(value.label))));
        break;
    case EffectDefault::Kind::display:
        raw = parameter.rawFromDisplay(value.display);
        break;
    case EffectDefault::Kind::raw:
        raw = value.raw;
        break;
    }
    return std::clamp(raw, parameter.minimum(), parameter.maximum());
}

} // namespace EffectParameters
