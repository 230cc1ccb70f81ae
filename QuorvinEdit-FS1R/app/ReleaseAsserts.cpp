#include "app/ReleaseAsserts.h"

#include <wx/debug.h>
#include <wx/string.h>

#include <cstdio>

namespace {

void printAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
    const wxString& message)
{
    std::fprintf(stderr, "%s:%d: assert in %s: %s %s\n", file.utf8_str().data(), line, function.utf8_str().data(),
        condition.utf8_str().data(), message.utf8_str().data());
}

} // namespace

void reportAssertsOnStderr() { wxSetAssertHandler(printAssert); }
