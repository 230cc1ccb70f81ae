#include "popup/MappedCellLayout.h"

#include "text/RefString.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Items named like voice-category choices; records what was drawn.
class NamedItems : public PopupItemSource {
public:
    explicit NamedItems(std::vector<RefString> names) : names_(std::move(names)) {}

    void drawItem(wxDC&, std::int32_t index, bool, const LayoutRect&, int) override { drawn.push_back(index); }
    std::int32_t itemCount() const override { return static_cast<std::int32_t>(names_.size()); }
    bool itemMatches(std::int32_t index, const char16_t* text, std::size_t position) const override
    {
        return RefString::matchesAt(names_[static_cast<std::size_t>(index)], text, position);
    }

    std::vector<std::int32_t> drawn;

private:
    std::vector<RefString> names_;
};

} // namespace

TEST(MappedCellLayout, ShownCellsMapToTheMatchingItemsInOrder)
{
    NamedItems items({RefString(u"Pf:Grand"), RefString(u"St:Violin"), RefString(u"Pf:Upright"),
        RefString(u"Pf:EP")});
    MappedCellLayout mapped(items, 1);
    mapped.rebuild(u"Pf", 0);
    ASSERT_EQ(mapped.itemCount(), 3);
    EXPECT_EQ(mapped.sourceIndex(1), 2) << "the second shown cell is the third item";
    EXPECT_EQ(mapped.shownIndex(3), 2);
    EXPECT_EQ(mapped.shownIndex(1), -1) << "a filtered-out item has no cell";
    EXPECT_TRUE(mapped.itemMatches(2, u"EP", 3));
    EXPECT_EQ(mapped.layout().margin(), 1);

    mapped.rebuild(u"Violin", 3);
    EXPECT_EQ(mapped.itemCount(), 1) << "rebuilding forgets the earlier matches";
    EXPECT_EQ(mapped.sourceIndex(0), 1);
}

TEST(MappedCellLayout, IndicesOutsideTheShownCellsReachNoItem)
{
    NamedItems items({RefString(u"Pf:Grand")});
    MappedCellLayout mapped(items, 0);
    mapped.rebuild(u"Br", 0);
    EXPECT_EQ(mapped.itemCount(), 0);
    for (std::int32_t index : {-1, 0, 1})
        EXPECT_EQ(mapped.sourceIndex(index), -1);
    EXPECT_EQ(mapped.layout().cellAt(0, 0), -1) << "an empty list has no cell to click";
}
