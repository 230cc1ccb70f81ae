#pragma once
// What of the input the toolkit has handled, as its widgets received it: the
// pointer's last place and the releases of keys and buttons and the wheel's
// steps, counted. Input reaches the toolkit through the X server and its own
// queue, which a loaded machine may hold back for long: whoever sent input
// waits here until the toolkit has had it, not for a time.
#include <wx/gdicmn.h>

#include <map>
#include <utility>

class HandledInput {
public:
    enum class Kind { keyRelease, buttonPress, buttonRelease, wheelStep };

    HandledInput();
    ~HandledInput();
    HandledInput(const HandledInput&) = delete;
    HandledInput& operator=(const HandledInput&) = delete;

    // The screen point of the last pointer event handled since forgetPointer.
    wxPoint pointer() const { return pointer_; }
    void forgetPointer() { pointer_ = wxDefaultPosition; }
    // How many of the kind, of the key (X key code) or button, were handled.
    unsigned long count(Kind kind, unsigned detail = 0) const;

    // Whether input at the pointer, or from the keyboard, goes to this
    // program: a window of its own is under the pointer or has the keyboard,
    // or it has grabbed the device.
    static bool ownsPointer();
    static bool ownsKeyboard();

    // Called by the toolkit for every event its widgets receive.
    void note(const void* event);

private:
    unsigned long hook_ = 0;
    wxPoint pointer_ = wxDefaultPosition;
    std::map<std::pair<Kind, unsigned>, unsigned long> counts_;
};
