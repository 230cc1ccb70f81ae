#pragma once
// Told when the labels a view shows from a label list have changed, so it
// can redraw them. The list keeps a reference to it and never owns it.
class LabelsObserver {
public:
    virtual ~LabelsObserver() = default;
    virtual void labelsChanged() = 0;
};
