#pragma once
// Lets a part's voice list model narrow a grid selector of voices by
// category: the model speaks to a choice filter, the selector filters its
// own popup. Owned by the performance header beside the model; the selector
// must outlive it.
#include "instrument/ChoiceItemFilter.h"

class GridSelectorControl;

class VoiceSelectorFilter : public ChoiceItemFilter {
public:
    explicit VoiceSelectorFilter(GridSelectorControl& selector) : selector_(selector) {}

    void setItemFilter(const RefString& text, std::size_t position) override;

private:
    GridSelectorControl& selector_;
};
