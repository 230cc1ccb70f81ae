#pragma once
// The editor's picture of one kind of the instrument's memory: a grid of
// banks x programs with one record per slot, kept in an XML index beside one
// .syx cache file per patch. It is a label list, so views can show its slots.
// The device owns its collections (as PatchLibrary); views only observe them.
// Used on the GUI thread only: received dumps are filed from there.
#include "labels/LabelList.h"
#include "patches/PatchRecord.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class LabelsObserver;
class XmlElement;

class PatchCollection : public LabelList {
public:
    struct TextExtent {
        int width = 0;
        int height = 0;
    };
    // Measures a text as a view would draw it.
    using TextMeasure = std::function<TextExtent(const RefString&)>;

    PatchCollection() = default;
    PatchCollection(const PatchCollection&) = delete;
    PatchCollection& operator=(const PatchCollection&) = delete;

    // The record's label, the shared empty label outside the grid.
    const RefString& get(std::int32_t index) const override;
    // What a view of the memory shows for a slot: the record's label or, for
    // a slot that holds no patch, its bank and number, so every slot is named.
    RefString cellLabel(std::int32_t index) const;
    std::uint32_t count() const override { return std::uint32_t(records_.size()); }

    // Gives a record a new name. False, with nothing changed, outside the
    // grid or when the changed index could not be stored.
    bool setName(std::uint32_t index, const RefString& name, std::string* error = nullptr);
    // Observers are told after every change of a record, in the order they
    // were added; one that dies before the collection must remove itself.
    void addObserver(LabelsObserver& observer);
    void removeObserver(LabelsObserver& observer);

    // The list that names the banks (not owned), or none for bank numbers.
    void setBankLabels(const LabelList* bankLabels);

    // Writes the whole index to the path; a failure leaves the old file.
    bool save(const RefString& indexPath, std::string* error = nullptr) const;
    // The index file's text: UTF-8 XML, indented by one, with an entry for
    // every slot whose patch is cached, in slot order.
    std::string indexText() const;

    // For a slot inside the grid, gives the record's name and category and,
    // when the cache holds the patch, the full path of its file; the outputs
    // are left as they were otherwise. False outside the grid.
    bool getPatch(std::uint32_t bank, std::uint32_t program, RefString& filePath, RefString& name,
        RefString& category) const;
    // Records the change, writes the patch's bulk dump into the slot's cache
    // file and fills the record. Gives the file's full path; null, with the
    // record and the file unchanged, outside the grid or when a write failed.
    RefString updatePatch(std::uint32_t bank, std::uint32_t program, const RefString& name,
        const RefString& category, std::string_view dump, std::string* error = nullptr);
    // Fills the record of a slot and records the change. The file must be
    // empty or the slot's own cache file. False, with nothing changed,
    // otherwise or when the change could not be recorded.
    bool setRecord(std::uint32_t bank, std::uint32_t program, const RefString& file, const RefString& name,
        const RefString& category, std::string* error = nullptr);
    // Renames the slot's cache file aside (".bad") when it proved unusable
    // and empties the record, so the patch is fetched from the instrument
    // again. True when nothing is left pointing at the file.
    bool setPatchAside(std::uint32_t bank, std::uint32_t program, std::string* error = nullptr);

    // A slot of the grid, where the cache can keep a patch.
    bool isInGrid(std::uint32_t bank, std::uint32_t program) const;

    const RefString& id() const { return id_; }
    const RefString& name() const { return name_; }
    const RefString& contentType() const { return contentType_; }
    std::uint32_t bankSize() const { return bankSize_; }
    std::uint32_t bankCount() const { return bankCount_; }
    // The index's folder followed by "/".
    RefString folder() const;
    // Characters of bank and program at the front of every label, where the
    // category of a patch begins.
    std::uint32_t locationPrefixLength() const;
    // The widest and, apart, the tallest of all cell labels.
    TextExtent maxLabelExtent(const TextMeasure& measure) const;

protected:
    // Empties the collection into the given layout; the folder is the index
    // path up to its last "/".
    void reset(const RefString& id, const RefString& indexPath, const RefString& name, const RefString& contentType,
        std::uint32_t bankCount, std::uint32_t bankSize);
    // Reads the records of an index file that has this collection's id and
    // layout. On failure nothing changes and error says why; on success error
    // may list entries that were ignored.
    bool load(const RefString& indexPath, std::string* error = nullptr);
    // Called before every change of a record takes effect, with the record
    // as it will be and the bytes the slot's cache file is about to get (null
    // when the file stays as it is); false refuses the change. A collection
    // without an index file keeps its records in memory only.
    virtual bool recordChange(std::size_t slot, const PatchRecord& record, const std::string_view* dump,
        std::string* error);
    // Takes the last recorded change back when it could not be carried out.
    virtual void withdrawChange() {}
    // True when the recorded changes hold the cache files' bytes until the
    // disk has them, so a cache file need not be flushed as it is written.
    virtual bool keepsFileBytes() const { return false; }
    // Makes the subfolder of the cache files, with any missing parent.
    bool createPatchFolder(std::string* error) const;
    // Puts a recorded change back in place, as found after a crash: the
    // slot's record filled (naming the slot's cache file when it has one) or
    // emptied. Observers are not told; slots outside the grid are ignored.
    void restoreRecord(std::size_t slot, bool hasFile, const RefString& name, const RefString& category);
    // The full path of the slot's cache file.
    RefString cacheFilePath(std::size_t slot) const;
    void notifyObservers();
    // Only the slot's label changed.
    void notifyObservers(std::size_t slot);

private:
    void tellObservers(const std::function<void(LabelsObserver&)>& tell);
    std::size_t slotIndex(std::uint32_t bank, std::uint32_t program) const;
    RefString cacheFile(std::uint32_t bank, std::uint32_t program) const;
    PatchRecord emptyRecord(std::uint32_t slot) const;
    // The bank and program of a slot, as an empty record there has them.
    std::uint32_t bankOf(std::uint32_t slot) const { return bankSize_ == 0 ? 0 : slot / bankSize_; }
    std::uint32_t programOf(std::uint32_t slot) const { return bankSize_ == 0 ? 0 : slot % bankSize_; }
    RefString buildLabel(const PatchRecord& record) const;
    std::u16string bankLabel(std::uint32_t bank) const;
    std::uint32_t bankLabelWidth() const { return bankLabelWidth_; }
    std::uint32_t widestBankLabel() const;
    PatchRecord filledRecord(std::size_t slot, const RefString& name, const RefString& category,
        const RefString& file) const;
    bool hasOwnLayout(const XmlElement& collection) const;
    bool readRecord(const XmlElement& element, std::vector<PatchRecord>& records) const;
    // Records a change that rewrites no cache file and puts it in place.
    bool commitRecord(std::size_t slot, PatchRecord record, std::string* error);

    RefString id_;
    RefString folder_;
    RefString name_;
    RefString contentType_;
    std::uint32_t bankSize_ = 0;
    std::uint32_t bankCount_ = 0;
    const LabelList* bankLabels_ = nullptr;
    // Kept, since every label needs it.
    std::uint32_t bankLabelWidth_ = 0;
    std::vector<PatchRecord> records_;
    std::vector<LabelsObserver*> observers_;
};
