#pragma once
// The folders outside the cache folder where the program made temporary
// files (saved .syx files, exported control sets), kept in a small file in
// the cache folder. A folder is listed before the first temporary file is
// made in it, so the next start finds what a crash left there, as it does
// in the cache folder itself. The start-up owns the list.
#include <filesystem>
#include <mutex>
#include <set>
#include <string>

class SaveFolderList {
public:
    // The list is kept in listFile; the cache folder needs no listing, since
    // it is swept whole.
    SaveFolderList(std::filesystem::path listFile, std::filesystem::path cacheFolder);

    // Lists the folder unless it lies in the cache folder or is listed
    // already. Called from any thread.
    void add(const std::string& folder);
    // Removes the temporary files that earlier runs left, last changed before
    // the given time, in the cache folder and in every listed folder; then
    // starts the list afresh. Gives how many were removed.
    std::size_t sweep(std::filesystem::file_time_type before);

private:
    bool isInCacheFolder(const std::filesystem::path& folder) const;

    const std::filesystem::path listFile_;
    const std::filesystem::path cacheFolder_;
    std::mutex mutex_;
    // As given and as listed, so a folder is looked up and written once.
    std::set<std::string> known_;
};
