#pragma once
// Writes a whole file so that a crash or a failed write can never leave it
// half-written: the bytes go to a temporary file in the same folder and the
// temporary file is renamed over the old one. A save respects the file it
// replaces: a symbolic link is followed and its target replaced (the link
// stays a link), the old file's permission bits and owner are kept, and a
// file the user may not write is refused and left as it is.
#include <string>
#include <string_view>
#include <vector>

class SaveFolderList;

namespace AtomicFile {

enum class Durability {
    // Flushed to disk, folder entry included, before the call returns.
    synced,
    // Left to the system to write back: for files whose bytes the caller
    // keeps safe elsewhere until it has the disk flushed.
    unsynced,
};

// On failure returns false, leaves any old file untouched, removes the
// temporary file and puts a readable reason into error (when given).
bool write(const std::string& path, std::string_view bytes, std::string* error = nullptr,
    Durability durability = Durability::synced);

// The file a path finally names once its symbolic links are followed; the
// path itself when it is no link. False, with the reason, for a loop.
bool resolveLinks(const std::string& path, std::string& target, std::string* error = nullptr);

// Flushes a folder's entries (a rename into it) to disk.
void syncFolder(const std::string& folder);
// Flushes the files to disk, each with its own call, so only what they hold
// is waited for, not the writes of other programs. The writing of all of
// them starts before the first is waited for: the disk takes them together,
// not one journal commit after another.
void syncFiles(const std::vector<std::string>& paths);

// Every folder is given to the list (not owned) before a temporary file is
// made in it, so the next start can find what a crash left; null for none.
void setSaveFolderList(SaveFolderList* list);

} // namespace AtomicFile
