#include "tests/support/ToolkitAsserts.h"

#include <gtest/gtest.h>
#include <wx/debug.h>
#include <wx/string.h>

namespace {

void failOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str(), line) << "wx assert in " << func.utf8_str() << ": " << cond.utf8_str() << " "
                                          << msg.utf8_str();
}

} // namespace

void failTestsOnToolkitAsserts() { wxSetAssertHandler(failOnAssert); }
