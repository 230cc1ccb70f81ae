#include "params/ParameterListener.h"

#include "params/ListenerList.h"

ParameterListener::~ParameterListener()
{
    for (ListenerList* list : subscriptions_)
        list->forget(this);
}
