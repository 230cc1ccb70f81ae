#pragma once
// A patch collection kept in its own index file beside a journal of the
// changes made since the index was last written. Every change is appended
// to the journal and flushed before it takes effect (a filed patch's entry
// carries its bytes); the journal is folded into the index at open, when it
// has grown large, and when the index is saved. So after a crash the next
// open finds every slot labelled as the patch its file holds, and a crash
// loses at most the change it interrupted. The device owns one library per
// kind of memory.
#include "patches/PatchCollection.h"
#include "patches/PatchJournal.h"

#include <memory>
#include <unordered_set>

class PatchLibrary : public PatchCollection {
public:
    // Keeps the index found at the path when it has this id and layout;
    // else sets the collection up empty. True when an index was kept or the
    // journal held changes, so false on a first run. An index that is
    // there but cannot be kept is renamed aside (".bad") rather than lost,
    // and error says so. Then the journal's changes are replayed and folded
    // into the index. Error also tells of ignored entries, of a patch folder
    // that could not be made and of a journal that could not be replayed or
    // folded. No index file at all is no error.
    bool open(const RefString& id, const RefString& contentType, const RefString& indexPath,
        std::uint32_t bankCount, std::uint32_t bankSize, std::string* error = nullptr);

    const RefString& indexPath() const { return indexPath_; }
    // Writes the index to the path given at open, once the cache files of
    // the journal's changes are on disk, and empties the journal. Refused
    // while an index that could not be kept nor set aside is still in the way.
    bool saveIndex(std::string* error = nullptr) const;

protected:
    bool recordChange(std::size_t slot, const PatchRecord& record, const std::string_view* dump,
        std::string* error) override;
    void withdrawChange() override;
    bool keepsFileBytes() const override { return journal_ != nullptr; }

private:
    std::string setIndexAside(const std::string& reason);
    bool indexIsInTheWay(std::string* error) const;
    bool replayJournal(std::string& notes);
    void flushCacheFiles() const;
    std::uint64_t journalLimit() const;

    RefString indexPath_;
    bool indexInTheWay_ = false;
    std::unique_ptr<PatchJournal> journal_;
    // The size of the index last written, which the journal may grow to a
    // few times before it is folded in, so folding costs little per change.
    mutable std::uint64_t indexBytes_ = 0;
    // The slots whose cache files were written, not flushed, since then.
    mutable std::unordered_set<std::size_t> unsyncedSlots_;
};
