#include "embedded/testCardPng.h"
#include "gui/PngBitmap.h"

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/log.h>

#include <vector>

namespace {

TEST(PngBitmapTest, EmbeddedCardDecodesToItsSizeColoursAndTransparency)
{
    addPngHandler();
    const auto card = newBitmapFromPng(embedded::testCardPng, embedded::testCardPngSize);
    ASSERT_TRUE(card->IsOk());
    EXPECT_EQ(card->GetSize(), wxSize(24, 16));
    const wxImage image = card->ConvertToImage();
    ASSERT_TRUE(image.HasAlpha());
    EXPECT_EQ(wxColour(image.GetRed(11, 7), image.GetGreen(11, 7), image.GetBlue(11, 7)), wxColour(255, 0, 0));
    EXPECT_EQ(wxColour(image.GetRed(0, 15), image.GetGreen(0, 15), image.GetBlue(0, 15)), wxColour(0, 0, 255));
    EXPECT_EQ(image.GetAlpha(19, 7), wxALPHA_OPAQUE);
    EXPECT_EQ(image.GetAlpha(20, 7), wxALPHA_TRANSPARENT);
    int pngHandlers = 0;
    for (const wxObject* handler : wxImage::GetHandlers())
        pngHandlers += static_cast<const wxImageHandler*>(handler)->GetType() == wxBITMAP_TYPE_PNG;
    EXPECT_EQ(pngHandlers, 1);
}

TEST(PngBitmapTest, BytesThatDoNotDecodeGiveAnEmptyBitmapWithoutALogBox)
{
    const std::vector<unsigned char> garbage(100, 0x5a);
    const std::vector<unsigned char> truncated(embedded::testCardPng,
                                               embedded::testCardPng + embedded::testCardPngSize / 2);
    // Anything logged would pop up as a message box in the program.
    wxLogBuffer log;
    wxLog* previous = wxLog::SetActiveTarget(&log);
    wxBitmap bitmap(4, 4);
    EXPECT_FALSE(bitmapFromPng(bitmap, garbage.data(), garbage.size()));
    EXPECT_FALSE(bitmap.IsOk()) << "the old picture must not survive a failed decode";
    EXPECT_FALSE(bitmapFromPng(bitmap, truncated.data(), truncated.size()));
    EXPECT_FALSE(bitmapFromPng(bitmap, embedded::testCardPng, 0));
    EXPECT_FALSE(bitmapFromPng(bitmap, nullptr, 10));
    const auto fresh = newBitmapFromPng(garbage.data(), garbage.size());
    EXPECT_TRUE(fresh && !fresh->IsOk());
    wxLog::SetActiveTarget(previous);
    EXPECT_EQ(log.GetBuffer(), "");
}

// Pictures are remembered by their bytes, not by where the bytes lie: a
// buffer that now holds other bytes is decoded anew.
TEST(PngBitmapTest, ABufferDecodedBeforeGivesWhatItHoldsNow)
{
    std::vector<unsigned char> bytes(embedded::testCardPng, embedded::testCardPng + embedded::testCardPngSize);
    wxBitmap first;
    ASSERT_TRUE(bitmapFromPng(first, bytes.data(), bytes.size()));
    wxBitmap again;
    ASSERT_TRUE(bitmapFromPng(again, bytes.data(), bytes.size()));
    EXPECT_EQ(again.GetSize(), first.GetSize());
    std::fill(bytes.begin() + bytes.size() / 2, bytes.end(), 0x5a);
    wxLogNull quiet;
    EXPECT_FALSE(bitmapFromPng(again, bytes.data(), bytes.size()));
}

TEST(PngBitmapTest, PicturesDecodedAheadOnAWorkerAreTheSameWhenAskedFor)
{
    const std::vector<unsigned char> garbage(100, 0x5a);
    decodePngsAhead({{embedded::testCardPng, embedded::testCardPngSize}, {garbage.data(), garbage.size()}});
    const auto card = newBitmapFromPng(embedded::testCardPng, embedded::testCardPngSize);
    ASSERT_TRUE(card->IsOk());
    const wxImage image = card->ConvertToImage();
    EXPECT_EQ(card->GetSize(), wxSize(24, 16));
    EXPECT_EQ(wxColour(image.GetRed(11, 7), image.GetGreen(11, 7), image.GetBlue(11, 7)), wxColour(255, 0, 0));
    wxLogNull quiet;
    EXPECT_FALSE(newBitmapFromPng(garbage.data(), garbage.size())->IsOk());
}

} // namespace
