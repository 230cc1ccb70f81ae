#pragma once
// The settings document "settings.xml": loaded once at start-up, read and
// written in memory as the program runs, and saved at exit. The application
// owns it; each device works on its own element.
#include "xml/XmlRootElement.h"

#include <memory>
#include <string>

// What the start-up needs to carry on or to stop with a message.
struct SettingsLoadResult {
    bool loaded = false;
    // The file did not exist and has just been created.
    bool firstRun = false;
    // After a failure: the message box text, its caption (the file's full
    // path) and the technical reason, for the log.
    RefString message;
    RefString caption;
    std::string reason;
};

class SettingsFile {
public:
    explicit SettingsFile(RefString path);

    // A missing file is created with an empty "Settings" root; a file that
    // cannot be read, is not XML or has another root stops the start.
    SettingsLoadResult load();
    bool isLoaded() const { return root_ != nullptr; }
    const RefString& path() const { return path_; }

    // Null before a successful load.
    XmlElement root() const;
    // The element named by a device type's id, created when missing.
    XmlElement deviceElement(const RefString& deviceTypeId) const;

    // Refuses to write when the file was never loaded, so an unreadable
    // file is left for the user rather than replaced by an empty one.
    bool save(std::string* error = nullptr) const;

private:
    const RefString path_;
    std::unique_ptr<XmlRootElement> root_;
};
