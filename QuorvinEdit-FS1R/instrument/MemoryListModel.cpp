#include "instrument/MemoryListModel.h"

#include "instrument/ChoiceItemFilter.h"
#include "instrument/Fs1rCategoryTags.h"
#include "patches/PatchCollection.h"

MemoryListModel::MemoryListModel(const PatchCollection& library, ChoiceItemFilter& choice)
    : choice_(choice), library_(library)
{
    category_.addListener(this);
}

MemoryListModel::~MemoryListModel() { category_.removeListener(this); }

void MemoryListModel::changed()
{
    const std::int32_t category = category_.getValue();
    // A voice's tag follows its bank and program in the label.
    const std::size_t tagPosition = library_.locationPrefixLength();
    choice_.setItemFilter(category == 0 ? RefString() : categoryTag(std::uint32_t(category)), tagPosition);
}

void MemoryListModel::onParameterChanged(Parameter* /*parameter*/, std::uint32_t /*flags*/) { changed(); }
