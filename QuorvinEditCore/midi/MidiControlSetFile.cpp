#include "midi/MidiControlSetFile.h"

#include "midi/MidiControlSet.h"
#include "xml/XmlFile.h"

namespace {

constexpr char16_t controlSetName[] = u"control_set";

void report(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
}

bool isSettingsRoot(const XmlRootElement& root) { return root.name() == RefString(settingsRootName); }

// An existing file must be ours before it is read or replaced.
std::unique_ptr<XmlRootElement> readSettingsDocument(const RefString& path, std::string* error)
{
    std::unique_ptr<XmlRootElement> root = readXmlFile(path, error);
    if (root && !isSettingsRoot(*root)) {
        report(error, path.toUtf8() + ": not a MIDI control set file (the root element is \""
                + root->name().toUtf8() + "\", not \"Settings\")");
        return nullptr;
    }
    return root;
}

} // namespace

std::unique_ptr<XmlRootElement> readControlSetFile(const RefString& path, std::string* error)
{
    std::unique_ptr<XmlRootElement> root = readSettingsDocument(path, error);
    if (root && root->children(controlSetName).empty()) {
        report(error, path.toUtf8() + ": the file holds no MIDI control set (no \"control_set\" element)");
        return nullptr;
    }
    return root;
}

bool importControlSetFile(MidiControlSet& set, const RefString& path, std::string* error)
{
    const std::unique_ptr<XmlRootElement> root = readControlSetFile(path, error);
    if (!root)
        return false;
    set.load(root->children(controlSetName).front());
    return true;
}

bool exportControlSetFile(MidiControlSet& set, const RefString& path, std::string* error)
{
    std::unique_ptr<XmlRootElement> root =
        fileExists(path) ? readSettingsDocument(path, error) : XmlRootElement::create(settingsRootName);
    if (!root)
        return false;
    set.save(root->child(controlSetName));
    return saveXmlFile(*root, path, error);
}
