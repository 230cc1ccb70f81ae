#include "panels/VoiceSelectorFilter.h"

#include "controls/GridSelectorControl.h"

void VoiceSelectorFilter::setItemFilter(const RefString& text, std::size_t position)
{
    selector_.setItemFilter(text, position);
}
