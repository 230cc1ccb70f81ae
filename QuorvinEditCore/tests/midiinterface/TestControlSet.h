#pragma once
// A control set for the MIDI interface's tests: ports the test opens through
// the interface, the messages it is handed and the thread they came on, and
// a name that travels through the settings.
#include "midi/MidiControlSetBase.h"
#include "text/RefString.h"
#include "xml/XmlElement.h"

#include <vector>

#include <wx/thread.h>

class TestControlSet : public MidiControlSetBase {
public:
    MidiInPort* input() const override { return inputSlot; }
    MidiOutPort* output() const override { return outputSlot; }

    void handleMessage(MidiMessage message) override
    {
        if (!wxIsMainThread())
            ++callsOffGuiThread;
        messages.push_back(message);
    }

    void load(const XmlElement& element) override { name = element.getAttribute(RefString(u"name"), RefString()); }
    void save(const XmlElement& element) override { element.setAttribute(RefString(u"name"), name); }

    MidiInPort* inputSlot = nullptr;
    MidiOutPort* outputSlot = nullptr;
    std::vector<MidiMessage> messages;
    int callsOffGuiThread = 0;
    RefString name;
};
