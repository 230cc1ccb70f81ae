#pragma once
// A plain X window on a connection of its own, which the window manager
// treats as another application's: it manages it and hands it the keyboard
// on Alt+Tab, so the program's windows lose their activation as on a desktop
// where the user turns to another application.
class OtherApplicationWindow {
public:
    // Maps the window in the screen's bottom right corner; a wait (the
    // window manager may be slow to manage it) ends once it is on the screen.
    OtherApplicationWindow();
    ~OtherApplicationWindow();
    OtherApplicationWindow(const OtherApplicationWindow&) = delete;
    OtherApplicationWindow& operator=(const OtherApplicationWindow&) = delete;

    bool shown() const;
    // The window manager activated the window: it holds the keyboard focus,
    // and the window manager knows it for the active one (it reckons the
    // next Alt+Tab from there).
    bool active() const;

private:
    void* display_;
    unsigned long window_ = 0;
};
