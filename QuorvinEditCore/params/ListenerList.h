#pragma once
// The listeners of one subject, in the order they were added. It owns none
// of them; a listener that is destroyed takes itself out, and a list that
// is destroyed lets its listeners forget it.
#include <cstddef>
#include <cstdint>
#include <vector>

class Parameter;
class ParameterListener;

class ListenerList {
public:
    ListenerList() = default;
    ListenerList(const ListenerList&) = delete;
    ListenerList& operator=(const ListenerList&) = delete;
    ~ListenerList();

    // Appends without looking for duplicates; a null listener is ignored.
    void add(ParameterListener* listener);
    // Takes out every entry of the listener; safe while notifying.
    void remove(ParameterListener* listener);
    void clear();

    // Calls every listener in list order with the subject and the flags.
    // Listeners added during the call are told too; removed ones are not.
    void notifyAll(Parameter* subject, std::uint32_t flags);
    // Tells every listener that the subject is being destroyed.
    void notifyDestroyed(Parameter* subject);

    std::size_t size() const;
    bool contains(const ParameterListener* listener) const;

private:
    friend class ParameterListener;
    // Drops the listener's entries without touching its subscriptions.
    void forget(const ParameterListener* listener);
    void compact();
    template <typename Call>
    void forEachListener(Call call);

    // Removed entries are nulled while a notification runs and compacted after.
    std::vector<ParameterListener*> listeners_;
    std::uint32_t notifyDepth_ = 0;
};
