#include "localparams/ObservableFlag.h"

#include "params/SetValueFlags.h"

bool ObservableFlag::setState(bool state)
{
    if (state == state_)
        return false;
    state_ = state;
    listeners_.notifyAll(nullptr, SetValueFlag::notify);
    return true;
}
