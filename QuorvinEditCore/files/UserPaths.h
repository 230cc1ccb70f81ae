#pragma once
// The user folder, where the editor keeps its settings and patch caches and
// finds its help pages, and the names built on it. One object per process,
// made by getUserPaths and freed by deleteUserPaths at shutdown.
#include "text/RefString.h"

#include <string>

class UserPaths {
public:
    // The environment variable that names the user folder outright.
    static constexpr char overrideVariable[] = "QUORVIN_USER_DIR";
    // A file of this name in the working directory holds the folder's path.
    static constexpr char redirectionFile[] = "user";

    // Resolves the folder once: the override variable, else the redirection
    // file, else $XDG_DATA_HOME/quorvinedit (~/.local/share/quorvinedit).
    UserPaths();
    virtual ~UserPaths() = default;

    // Ends with "/"; relative to the working directory when the redirection
    // file names a relative folder.
    RefString userPath() const { return userPath_; }
    RefString cachePath() const;
    RefString settingsFile() const;
    // The French page for a French interface (French itself, not a regional
    // variant) when one exists, else the English one, looked up in the user
    // folder's "doc/" and then in the installed one; the user folder's
    // English page when none exists.
    RefString quickHelpFile(bool frenchInterface, const RefString& installedDocFolder = RefString()) const;
    // Makes the cache folder and any missing parent.
    bool createCacheFolder(std::string* error = nullptr) const;

private:
    const RefString userPath_;
};

UserPaths& getUserPaths();
void deleteUserPaths();
