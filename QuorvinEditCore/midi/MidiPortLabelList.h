#pragma once
// The names of a device list as labels for port pickers, with an optional
// leading entry (such as "no port") before them. Owned by its list.
#include "labels/LabelList.h"

class MidiDeviceList;

class MidiPortLabelList : public LabelList {
public:
    explicit MidiPortLabelList(const MidiDeviceList& list) : list_(list) {}

    const RefString& get(std::int32_t index) const override;
    std::uint32_t count() const override;
    // Only the leading entry's text can be set, and only while it is shown.
    virtual void setLabel(std::int32_t index, const RefString& text);

    void setLeadingEntry(bool shown) { leadingEntry_ = shown; }

private:
    const MidiDeviceList& list_;
    bool leadingEntry_ = false;
    RefString leadingText_;
};
