#include "patches/PatchLibrary.h"

#include "patches/SetAsideFile.h"
#include "xml/XmlFile.h"

#include <filesystem>

namespace {

bool pathExists(const RefString& path)
{
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path.toUtf8(), ignored));
}

RefString description(const RefString& id, const RefString& contentType)
{
    return RefString(std::u16string(id.view()) + u" internal " + std::u16string(contentType.view()) + u" memory.");
}

void addNote(std::string& notes, const std::string& note)
{
    if (!note.empty())
        notes += (notes.empty() ? "" : "; ") + note;
}

} // namespace

bool PatchLibrary::open(const RefString& id, const RefString& contentType, const RefString& indexPath,
    std::uint32_t bankCount, std::uint32_t bankSize, std::string* error)
{
    indexPath_ = indexPath;
    indexInTheWay_ = false;
    reset(id, indexPath, description(id, contentType), contentType, bankCount, bankSize);
    std::string notes;
    bool kept = false;
    if (fileExists(indexPath)) {
        std::string reason;
        kept = load(indexPath, &reason);
        addNote(notes, kept ? reason : setIndexAside(reason));
    }
    std::string folderError;
    if (!createPatchFolder(&folderError))
        addNote(notes, folderError);
    if (error)
        *error = notes;
    return kept;
}

bool PatchLibrary::saveIndex(std::string* error) const
{
    if (indexInTheWay_ && pathExists(indexPath_)) {
        if (error)
            *error = "The patch cache index " + indexPath_.toUtf8()
                + " could not be read nor set aside; it is left as it is until it is moved away";
        return false;
    }
    return save(indexPath_, error);
}

std::string PatchLibrary::setIndexAside(const std::string& reason)
{
    std::string setAsidePath;
    std::string failure;
    if (SetAsideFile::moveAside(indexPath_.toUtf8(), setAsidePath, &failure))
        return reason + "; the index was set aside as " + setAsidePath + " and the cache starts empty";
    indexInTheWay_ = true;
    return reason + "; " + failure + ", so the cache index will not be written over it";
}
