// The index is parsed by the toolkit, which the program has started by then.
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
