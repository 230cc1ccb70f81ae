#pragma once
// Where MIDI learn finds its target: the parameters of the on-screen control
// under the mouse pointer. The control library installs the source; until
// it does, and whenever no learnable control holds the pointer, there is none.
#include <functional>
#include <memory>
#include <vector>

class Parameter;

using ParameterList = std::vector<Parameter*>;
using FocusedParametersSource = std::function<std::shared_ptr<const ParameterList>()>;

// Replaces the program's source; an empty function leaves it without one.
void setFocusedParametersSource(FocusedParametersSource source);
// The focused control's parameters in its own order, or null.
std::shared_ptr<const ParameterList> focusedParameters();
