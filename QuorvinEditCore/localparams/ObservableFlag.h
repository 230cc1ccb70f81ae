#pragma once
// A boolean state with its own listeners: the shown and enabled states of a
// layout element. Listeners are told with a null parameter.
#include "params/ListenerList.h"

class ObservableFlag {
public:
    explicit ObservableFlag(bool state) : state_(state) {}
    ObservableFlag(const ObservableFlag&) = delete;
    ObservableFlag& operator=(const ObservableFlag&) = delete;
    virtual ~ObservableFlag() = default;

    virtual bool getState() const { return state_; }
    // Stores the state and, only when it changed, notifies the listeners;
    // returns whether it changed.
    bool setState(bool state);

    ListenerList& listeners() { return listeners_; }

private:
    ListenerList listeners_;
    bool state_;
};
