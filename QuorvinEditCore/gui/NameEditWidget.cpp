#include "gui/NameEditWidget.h"

#include "localparams/EditableName.h"
#include "text/WxText.h"
#include "undo/CommandList.h"

#include <wx/textctrl.h>

namespace {

constexpr std::int32_t blank = u' ';
constexpr std::int32_t unknownCharacter = u'?';

std::vector<Parameter*> characterParameters(EditableName& name)
{
    std::vector<Parameter*> characters;
    for (CharacterParameter& character : name.characters())
        characters.push_back(&character);
    return characters;
}

std::int32_t storableCharacter(std::u16string_view text, std::size_t index)
{
    if (index >= text.size())
        return blank;
    const std::int32_t code = text[index];
    const bool storable = code >= CharacterParameter::firstCharacter && code <= CharacterParameter::lastCharacter;
    return storable ? code : unknownCharacter;
}

} // namespace

NameEditWidget::NameEditWidget(wxWindow* page, EditableName& name)
    : ParameterWidget(new wxTextCtrl(page, wxID_ANY), characterParameters(name)), name_(name)
{
    text_ = static_cast<wxTextCtrl*>(window());
    text_->SetMaxLength(name.length());
    text_->Bind(wxEVT_TEXT, &NameEditWidget::onText, this);
    showValue();
}

void NameEditWidget::showValue()
{
    if (!typing_)
        text_->ChangeValue(toWxString(name_.text()));
}

void NameEditWidget::onText(wxCommandEvent& /*event*/)
{
    const RefString typed = fromWxString(text_->GetValue());
    typing_ = true;
    beginCommandGroup(RefString(u"Text edit"), flagsUserEdit);
    for (std::uint32_t index = 0; index < name_.length(); ++index)
        name_.character(index).setValue(flagsUserEdit, storableCharacter(typed.view(), index));
    endCommandGroup(flagsUserEdit);
    typing_ = false;
}
