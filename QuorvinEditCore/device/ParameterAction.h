#pragma once
// Something a button parameter runs when it is pressed, with the text the
// button shows. Owned by the parameter that runs it.
#include "text/RefString.h"

class ParameterAction {
public:
    virtual ~ParameterAction() = default;
    virtual void run() = 0;
    virtual RefString text() const = 0;
};
