#include "files/SavePath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

bool endsWithIgnoringCase(std::string_view text, std::string_view end)
{
    return text.size() >= end.size()
        && std::ranges::equal(text.substr(text.size() - end.size()), end, [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

} // namespace

std::string SavePath::completed(const std::string& typed) const
{
    return endsWithIgnoringCase(typed, extension_) ? typed : typed + std::string(suffix_);
}

std::string SavePath::confirmed(const std::string& typed, const ReplaceQuestion& confirmReplace) const
{
    std::string path = completed(typed);
    std::error_code error;
    if (path != typed && std::filesystem::exists(std::filesystem::path(path), error) && !confirmReplace(path))
        return {};
    return path;
}
