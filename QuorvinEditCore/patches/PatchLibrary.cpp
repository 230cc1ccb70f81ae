#include "patches/PatchLibrary.h"

#include "files/AtomicFile.h"
#include "files/FileReader.h"
#include "patches/SetAsideFile.h"
#include "xml/XmlFile.h"

#include <filesystem>
#include <optional>

namespace {

constexpr char journalSuffix[] = ".journal";
// The journal is folded in when it passes the larger of these.
constexpr std::uint64_t smallestJournalLimit = 64 << 20;
constexpr std::uint64_t journalToIndexRatio = 4;

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

bool holdsBytes(const std::string& path, std::string_view bytes)
{
    std::string found;
    return FileReader::readAll(path, bytes.size(), found) && found == bytes;
}

// The last change of each slot, with the last bytes its file was given
// while it kept a file.
struct SlotChange {
    const PatchJournalEntry* last = nullptr;
    const std::string* dump = nullptr;
};

std::vector<SlotChange> lastChanges(const std::vector<PatchJournalEntry>& entries, std::size_t slots)
{
    std::vector<SlotChange> changes(slots);
    for (const PatchJournalEntry& entry : entries) {
        if (entry.slot >= slots)
            continue;
        SlotChange& change = changes[entry.slot];
        change.last = &entry;
        if (!entry.hasFile)
            change.dump = nullptr;
        else if (entry.dump)
            change.dump = &*entry.dump;
    }
    return changes;
}

} // namespace

bool PatchLibrary::open(const RefString& id, const RefString& contentType, const RefString& indexPath,
    std::uint32_t bankCount, std::uint32_t bankSize, std::string* error)
{
    indexPath_ = indexPath;
    indexInTheWay_ = false;
    journal_ = std::make_unique<PatchJournal>(indexPath.toUtf8() + journalSuffix);
    indexBytes_ = 0;
    unsyncedSlots_.clear();
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
    const bool replayed = replayJournal(notes);
    if (error)
        *error = notes;
    return kept || replayed;
}

bool PatchLibrary::saveIndex(std::string* error) const
{
    if (indexIsInTheWay(error))
        return false;
    const std::uint64_t journalBytes = journal_ ? journal_->size() : 0;
    if (journalBytes > 0)
        flushCacheFiles();
    const std::string text = indexText();
    if (!save(indexPath_, error))
        return false;
    indexBytes_ = text.size();
    unsyncedSlots_.clear();
    // Even an empty one: a change taken back may have left it.
    return !journal_ || journal_->clear(error);
}

bool PatchLibrary::recordChange(std::size_t slot, const PatchRecord& record, const std::string_view* dump,
    std::string* error)
{
    if (!journal_)
        return true;
    if (indexIsInTheWay(error))
        return false;
    // Folded before it grows further; a failure leaves it to grow.
    if (journal_->size() > journalLimit())
        saveIndex();
    PatchJournalEntry entry{std::uint32_t(slot), !record.file.isEmpty(), record.name, record.category, std::nullopt};
    if (dump) {
        entry.dump = std::string(*dump);
        unsyncedSlots_.insert(slot);
    }
    return journal_->append(entry, error);
}

void PatchLibrary::withdrawChange()
{
    if (journal_)
        journal_->withdrawLast();
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

bool PatchLibrary::indexIsInTheWay(std::string* error) const
{
    if (!indexInTheWay_ || !pathExists(indexPath_))
        return false;
    if (error)
        *error = "The patch cache index " + indexPath_.toUtf8()
            + " could not be read nor set aside; it is left as it is until it is moved away";
    return true;
}

// Brings the records and the cache files to the last change the journal
// holds whole, then folds it into the index. True when it held changes;
// notes tell what went wrong.
bool PatchLibrary::replayJournal(std::string& notes)
{
    std::vector<PatchJournalEntry> entries;
    std::string failure;
    if (!journal_->read(entries, &failure)) {
        addNote(notes, failure + "; the changes it holds are not in the cache");
        return false;
    }
    if (entries.empty() && journal_->size() == 0)
        return false;
    for (std::size_t slot = 0; const SlotChange& change : lastChanges(entries, count())) {
        if (change.last) {
            bool hasFile = change.last->hasFile;
            const std::string path = cacheFilePath(slot).toUtf8();
            if (hasFile && change.dump && !holdsBytes(path, *change.dump)
                && !AtomicFile::write(path, *change.dump, &failure)) {
                addNote(notes, failure + "; the slot is left empty");
                hasFile = false;
            }
            // A record must not name a file that is not there.
            if (hasFile && !change.dump && !fileExists(RefString::fromUtf8(path)))
                hasFile = false;
            restoreRecord(slot, hasFile, change.last->name, change.last->category);
        }
        ++slot;
    }
    notifyObservers();
    if (!saveIndex(&failure))
        addNote(notes, failure);
    return !entries.empty();
}

// The cache files written since the last index save reach the disk before
// the journal that holds their bytes is emptied.
void PatchLibrary::flushCacheFiles() const
{
    if (unsyncedSlots_.empty())
        return;
    std::vector<std::string> paths;
    paths.reserve(unsyncedSlots_.size());
    for (const std::size_t slot : unsyncedSlots_)
        paths.push_back(cacheFilePath(slot).toUtf8());
    AtomicFile::syncFiles(paths);
    // Their names too, for files that are new.
    AtomicFile::syncFolder(folder().toUtf8() + contentType().toUtf8());
}

std::uint64_t PatchLibrary::journalLimit() const
{
    return std::max(smallestJournalLimit, journalToIndexRatio * indexBytes_);
}
