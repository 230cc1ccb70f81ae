#pragma once
// Told when the labels a view shows from a label list have changed, so it
// can redraw them. The list keeps a reference to it and never owns it.
#include <cstdint>

class LabelsObserver {
public:
    virtual ~LabelsObserver() = default;
    virtual void labelsChanged() = 0;
    // Only the label at index changed; a view that measures its labels can
    // measure that one alone.
    virtual void labelChanged(std::int32_t /*index*/) { labelsChanged(); }
};
