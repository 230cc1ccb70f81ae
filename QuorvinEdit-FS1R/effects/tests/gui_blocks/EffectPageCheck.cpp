#include "EffectPageCheck.h"

#include "controls/ChoiceControl.h"
#include "controls/HorizontalSlider.h"
#include "controls/ValueButton.h"
#include "effects/EffectBlock.h"
#include "gui/ControlElement.h"
#include "gui/ControlGroup.h"
#include "sysex/AddressEntry.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void expectParameterIs(const SysexParameter& parameter, const ExpectedDefinition& expected)
{
    EXPECT_EQ(parameter.minimum(), expected.range.minimum);
    EXPECT_EQ(parameter.maximum(), expected.range.maximum);
    if (expected.address != 0) {
        EXPECT_EQ(parameter.field().entries().front()->address(), expected.address);
    }
}

} // namespace

bool isKind(const Control& control, EffectControlKind kind)
{
    switch (kind) {
    case EffectControlKind::slider:
        return dynamic_cast<const HorizontalSlider*>(&control) != nullptr;
    case EffectControlKind::valueButton:
        return dynamic_cast<const ValueButton*>(&control) != nullptr;
    case EffectControlKind::choice:
        return dynamic_cast<const ChoiceControl*>(&control) != nullptr;
    }
    return false;
}

void expectPageHolds(EffectBlock& block, std::int32_t type, std::span<const ExpectedItem> items,
    std::span<const ExpectedDefinition> definitions)
{
    const ControlGroup& group = *block.page(type);
    ASSERT_EQ(group.controls().size(), items.size()) << "type " << type;
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE("type " + std::to_string(type) + " item " + std::to_string(i + 1));
        const ExpectedItem& item = items[i];
        const auto& control = dynamic_cast<const Control&>(*group.controls().at(i)->control());
        EXPECT_EQ(group.itemText(i).toUtf8(), item.label);
        EXPECT_TRUE(isKind(control, item.kind));
        const auto* bound = dynamic_cast<const SysexParameter*>(control.mainParameter());
        ASSERT_NE(bound, nullptr);
        if (item.definition == pageParameter) {
            expectParameterIs(*bound, {item.ownAddress, item.own});
            continue;
        }
        EXPECT_EQ(bound, block.definition(std::size_t(item.definition)));
        expectParameterIs(*bound, definitions[std::size_t(item.definition)]);
    }
}

void expectDefinitions(EffectBlock& block, std::span<const ExpectedDefinition> definitions)
{
    for (std::size_t n = 0; n < definitions.size(); ++n) {
        SCOPED_TRACE("definition " + std::to_string(n));
        const SysexParameter* definition = block.definition(n);
        const ExpectedDefinition& expected = definitions[n];
        if (expected.address == 0 && expected.range.minimum == 0 && expected.range.maximum == 0) {
            EXPECT_EQ(definition, nullptr);
            continue;
        }
        ASSERT_NE(definition, nullptr);
        expectParameterIs(*definition, expected);
    }
}
