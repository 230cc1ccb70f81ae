#include "gui/PngBitmap.h"

#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string_view>
#include <thread>
#include <utility>

void addPngHandler()
{
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxImage::AddHandler(new wxPNGHandler);
}

namespace {

// Pictures decoded so far, by the hash and length of their bytes: several
// pages share one background, and decoding is much of what a page costs at
// start-up. The GUI thread decodes, and one worker may decode ahead of it.
using PictureKey = std::pair<std::size_t, std::size_t>;

PictureKey keyOf(std::span<const unsigned char> bytes)
{
    return {std::hash<std::string_view>{}(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())),
        bytes.size()};
}

std::optional<wxImage> load(std::span<const unsigned char> bytes)
{
    wxImage image;
    // The failure is the caller's to handle: no log box for bad bytes.
    wxLogNull quiet;
    wxMemoryInputStream stream(bytes.data(), bytes.size());
    if (!image.LoadFile(stream, wxBITMAP_TYPE_ANY))
        return std::nullopt;
    return image;
}

class DecodedPictures {
public:
    ~DecodedPictures()
    {
        if (worker_.joinable())
            worker_.join();
    }

    void decodeAhead(std::vector<std::span<const unsigned char>> pictures)
    {
        std::lock_guard lock(mutex_);
        if (worker_.joinable())
            return;
        for (const auto& bytes : pictures)
            ahead_.insert(keyOf(bytes));
        worker_ = std::thread([this, pictures = std::move(pictures)] {
            for (const auto& bytes : pictures) {
                std::optional<wxImage> image = load(bytes);
                std::lock_guard lock(mutex_);
                if (image)
                    pictures_.emplace(keyOf(bytes), *image);
                // The toolkit's reference counts are not atomic: the
                // worker's own copy goes while the GUI thread cannot copy.
                image.reset();
                ahead_.erase(keyOf(bytes));
                decoded_.notify_all();
            }
        });
    }

    // Once the worker has stored a picture it never touches it again, so
    // the GUI thread may share it.
    std::optional<wxImage> find(std::span<const unsigned char> bytes)
    {
        const PictureKey key = keyOf(bytes);
        std::unique_lock lock(mutex_);
        decoded_.wait(lock, [&] { return !ahead_.contains(key); });
        if (const auto known = pictures_.find(key); known != pictures_.end())
            return known->second;
        lock.unlock();
        std::optional<wxImage> image = load(bytes);
        if (image) {
            lock.lock();
            pictures_.emplace(key, *image);
        }
        return image;
    }

private:
    std::mutex mutex_;
    std::condition_variable decoded_;
    std::map<PictureKey, wxImage> pictures_;
    // Given to the worker and not decoded yet.
    std::set<PictureKey> ahead_;
    std::thread worker_;
};

DecodedPictures& decodedPictures()
{
    static DecodedPictures pictures;
    return pictures;
}

} // namespace

bool bitmapFromPng(wxBitmap& bitmap, const unsigned char* bytes, std::size_t byteCount)
{
    bitmap = wxBitmap();
    if (bytes == nullptr || byteCount == 0)
        return false;
    addPngHandler();
    if (const std::optional<wxImage> image = decodedPictures().find({bytes, byteCount}))
        bitmap = wxBitmap(*image);
    return bitmap.IsOk();
}

void decodePngsAhead(std::vector<std::span<const unsigned char>> pictures)
{
    addPngHandler();
    decodedPictures().decodeAhead(std::move(pictures));
}

std::unique_ptr<wxBitmap> newBitmapFromPng(const unsigned char* bytes, std::size_t byteCount)
{
    auto bitmap = std::make_unique<wxBitmap>();
    bitmapFromPng(*bitmap, bytes, byteCount);
    return bitmap;
}
