#include "midi/FocusedParameters.h"

#include <utility>

namespace {

FocusedParametersSource& installedSource()
{
    static FocusedParametersSource source;
    return source;
}

} // namespace

void setFocusedParametersSource(FocusedParametersSource source) { installedSource() = std::move(source); }

std::shared_ptr<const ParameterList> focusedParameters()
{
    const FocusedParametersSource& source = installedSource();
    return source ? source() : nullptr;
}
