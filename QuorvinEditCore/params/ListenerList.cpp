#include "params/ListenerList.h"

#include "params/ParameterListener.h"

#include <algorithm>
#include <functional>

namespace {

void subscribe(std::vector<ListenerList*>& lists, ListenerList* list)
{
    const auto place = std::lower_bound(lists.begin(), lists.end(), list, std::less<>());
    if (place == lists.end() || *place != list)
        lists.insert(place, list);
}

void unsubscribe(std::vector<ListenerList*>& lists, const ListenerList* list)
{
    const auto place = std::lower_bound(lists.begin(), lists.end(), list, std::less<>());
    if (place != lists.end() && *place == list)
        lists.erase(place);
}

} // namespace

ListenerList::~ListenerList() { clear(); }

void ListenerList::add(ParameterListener* listener)
{
    if (listener == nullptr)
        return;
    listeners_.push_back(listener);
    subscribe(listener->subscriptions_, this);
}

void ListenerList::remove(ParameterListener* listener)
{
    if (listener == nullptr)
        return;
    unsubscribe(listener->subscriptions_, this);
    forget(listener);
}

void ListenerList::clear()
{
    for (ParameterListener* listener : listeners_) {
        if (listener != nullptr)
            unsubscribe(listener->subscriptions_, this);
    }
    if (notifyDepth_ > 0)
        std::fill(listeners_.begin(), listeners_.end(), nullptr);
    else
        listeners_.clear();
}

template <typename Call>
void ListenerList::forEachListener(Call call)
{
    ++notifyDepth_;
    // By index: listeners may be added or removed by the calls themselves.
    for (std::size_t i = 0; i < listeners_.size(); ++i) {
        if (ParameterListener* listener = listeners_[i])
            call(*listener);
    }
    if (--notifyDepth_ == 0)
        compact();
}

void ListenerList::notifyAll(Parameter* subject, std::uint32_t flags)
{
    forEachListener([subject, flags](ParameterListener& listener) { listener.onParameterChanged(subject, flags); });
}

void ListenerList::notifyDestroyed(Parameter* subject)
{
    forEachListener([subject](ParameterListener& listener) { listener.onParameterDestroyed(subject); });
}

std::size_t ListenerList::size() const
{
    return listeners_.size() - std::count(listeners_.begin(), listeners_.end(), nullptr);
}

bool ListenerList::contains(const ParameterListener* listener) const
{
    return listener != nullptr && std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end();
}

void ListenerList::forget(const ParameterListener* listener)
{
    if (notifyDepth_ > 0)
        std::replace(listeners_.begin(), listeners_.end(), const_cast<ParameterListener*>(listener),
            static_cast<ParameterListener*>(nullptr));
    else
        std::erase(listeners_, listener);
}

void ListenerList::compact() { std::erase(listeners_, nullptr); }
