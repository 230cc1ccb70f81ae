#pragma once
// A yes/no fact that decides whether a control or layout element is shown or
// enabled. Held through shared pointers, so one condition may serve several
// condition sets.
class ParameterListener;

class Condition {
public:
    Condition() = default;
    Condition(const Condition&) = delete;
    Condition& operator=(const Condition&) = delete;
    virtual ~Condition() = default;

    virtual bool isTrue() const = 0;
    // Arranges that the listener is told whenever the condition may have
    // changed; the listener leaves by itself when it is destroyed.
    virtual void subscribe(ParameterListener& listener) = 0;
};
