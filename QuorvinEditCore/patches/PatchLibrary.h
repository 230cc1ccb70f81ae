#pragma once
// A patch collection kept in its own index file: opened from it at start,
// written back after every change. The device owns one per kind of memory.
#include "patches/PatchCollection.h"

class PatchLibrary : public PatchCollection {
public:
    // Keeps the index found at the path when it has this id and layout
    // (true); else sets the collection up empty (false). An index that is
    // there but cannot be kept is renamed aside (".bad") rather than lost,
    // and error says so; it also tells of ignored entries and of a patch
    // folder that could not be made. No index file at all is no error.
    bool open(const RefString& id, const RefString& contentType, const RefString& indexPath,
        std::uint32_t bankCount, std::uint32_t bankSize, std::string* error = nullptr);

    const RefString& indexPath() const { return indexPath_; }
    // Writes the index to the path given at open. Refused while an index
    // that could not be kept nor set aside is still in the way.
    bool saveIndex(std::string* error = nullptr) const;

protected:
    bool storeIndex(std::string* error) override { return saveIndex(error); }

private:
    std::string setIndexAside(const std::string& reason);

    RefString indexPath_;
    bool indexInTheWay_ = false;
};
