#include "tests/support/ToolkitCriticals.h"

#include <glib.h>
#include <gtest/gtest.h>

namespace {

void failOnCritical(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer)
{
    if (level & (G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_ERROR))
        ADD_FAILURE() << "toolkit critical: " << (domain ? domain : "") << ": " << message;
    g_log_default_handler(domain, level, message, nullptr);
}

} // namespace

void failTestsOnToolkitCriticals() { g_log_set_default_handler(failOnCritical, nullptr); }
