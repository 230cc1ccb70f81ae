#include "layout/PanelInit.h"
#include "localparams/LocalParameter.h"
#include "params/SetValueFlags.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

// Two controls on one page; each resets its parameter inside its own
// command group, as a control's Init does.
class PageReset : public testing::Test {
protected:
    PageReset()
    {
        for (LocalParameter* parameter : {&level, &pan}) {
            parameter->setCommandList(&page);
            parameter->setValue(flagsUserEdit, 9);
        }
        page.clear();
    }

    void resetControls(std::uint32_t flags)
    {
        for (LocalParameter* parameter : {&level, &pan}) {
            beginCommandGroup(RefString(u"reset"), flags);
            parameter->setValue(flags, parameter->defaultValue());
            endCommandGroup(flags);
        }
    }

    CommandList page;
    CommandList otherPage;
    LocalParameter level{0, 127};
    LocalParameter pan{0, 127};
};

TEST_F(PageReset, ResetOfEveryControlIsOneUndoStep)
{
    runPanelInit(flagsUserReset, [this] { resetControls(flagsUserReset); });
    ASSERT_EQ(page.commands().size(), 1u);
    EXPECT_EQ(std::u16string(page.commands()[0].name.view()), u"Panel init");
    EXPECT_EQ(page.commands()[0].changes.size(), 2u);
    EXPECT_TRUE(otherPage.commands().empty()) << "the empty group of a page left alone is dropped";
    EXPECT_EQ(page.groupDepth(), 0u);
    ASSERT_TRUE(page.undo());
    EXPECT_EQ(level.getValue(), 9);
    EXPECT_EQ(pan.getValue(), 9);
}

TEST_F(PageReset, QuietResetRecordsNothing)
{
    runPanelInit(flagsQuietInit, [this] { resetControls(flagsQuietInit); });
    EXPECT_TRUE(page.commands().empty());
    EXPECT_EQ(level.getValue(), 0);
}

TEST_F(PageReset, AFailingResetStillClosesTheGroup)
{
    EXPECT_THROW(runPanelInit(flagsUserReset,
                     [this] {
                         level.setValue(flagsUserReset, 0);
                         throw std::runtime_error("control failed");
                     }),
        std::runtime_error);
    EXPECT_EQ(page.groupDepth(), 0u) << "later edits must not fall into the reset's step";
    EXPECT_EQ(page.commands().size(), 1u);
}

} // namespace
