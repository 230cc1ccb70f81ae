#pragma once
// Told of every notified change of a parameter it listens to (controls,
// views, range links, group parameters). A listener leaves every list it is
// in when it is destroyed, so no list ever calls a dead listener.
#include <cstdint>
#include <vector>

class ListenerList;
class Parameter;

class ParameterListener {
public:
    ParameterListener() = default;
    // A copy listens to nothing until it is added somewhere itself.
    ParameterListener(const ParameterListener&) : ParameterListener() {}
    ParameterListener& operator=(const ParameterListener&) { return *this; }
    virtual ~ParameterListener();

    // The parameter is null when the subject is not a parameter (a layout
    // state, a control set).
    virtual void onParameterChanged(Parameter* parameter, std::uint32_t flags) = 0;
    // Told by a parameter this listener listens to as it is destroyed, so
    // holders of plain pointers to it can drop them. Only the address may be
    // used: the parameter is no longer whole.
    virtual void onParameterDestroyed(Parameter* /*parameter*/) {}

private:
    friend class ListenerList;
    // The lists it is in, each once, sorted: a listener of thousands of
    // parameters finds each list fast as they are destroyed one by one.
    std::vector<ListenerList*> subscriptions_;
};
