#pragma once
// The changes made to a patch collection since its index was last written,
// one entry appended per change to a file beside the index and flushed to
// disk before the change takes effect. A filed patch's entry carries the
// patch's bytes too, so replaying the entries after a crash brings every
// cache file and its record back into agreement. Each entry is framed with
// its length and a checksum: one torn by a crash, and everything after it,
// is left out when the file is read, and cut off before the next append.
#include "text/RefString.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PatchJournalEntry {
    std::uint32_t slot = 0;
    // The record names the slot's cache file; otherwise the slot is empty.
    bool hasFile = false;
    RefString name;
    RefString category;
    // The bytes the slot's cache file gets with this change, if any.
    std::optional<std::string> dump;
};

class PatchJournal {
public:
    explicit PatchJournal(std::string path);
    ~PatchJournal();
    PatchJournal(const PatchJournal&) = delete;
    PatchJournal& operator=(const PatchJournal&) = delete;

    const std::string& path() const { return path_; }
    // Bytes in the file now; 0 when there is none.
    std::uint64_t size() const;

    // The whole entries from the start of the file, in the order they were
    // made; none when there is no file. False only when an existing file
    // cannot be read.
    bool read(std::vector<PatchJournalEntry>& entries, std::string* error = nullptr) const;
    // Adds an entry and waits until the disk has it. The first one cuts off
    // an entry a crash tore at the end, so entries always follow whole ones.
    // On failure the file is cut back to what it was and error says why.
    bool append(const PatchJournalEntry& entry, std::string* error = nullptr);
    // Takes the last appended entry back when the change it announced could
    // not be made.
    void withdrawLast();
    // Removes the file once everything it held is in the index.
    bool clear(std::string* error = nullptr);

private:
    bool openForAppending(std::string* error);
    bool cutTornEnd(std::string* error);

    const std::string path_;
    int fd_ = -1;
    // Where the last appended entry begins; negative when there is none.
    std::int64_t lastEntryStart_ = -1;
};
