// The program parses its files with the toolkit started, and the parser's
// messages are caught differently on the main thread; so the tests start it.
#include <wx/init.h>

#include <gtest/gtest.h>

namespace {

class WxEnvironment : public testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(wxInitialize()); }
    void TearDown() override { wxUninitialize(); }
};

[[maybe_unused]] const testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new WxEnvironment);

} // namespace
