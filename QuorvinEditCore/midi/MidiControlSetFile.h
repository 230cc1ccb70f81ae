#pragma once
// "*.ctrl.xml" files: a "Settings" root holding one "control_set" element,
// the layout the settings file uses inside "midi_config". Failures come
// back as a readable reason and leave the set, and any existing file, as
// they were; a file is written whole or not at all.
#include "text/RefString.h"
#include "xml/XmlRootElement.h"

#include <memory>
#include <string>

class MidiControlSet;

// The file's root, when it is a readable "Settings" document that holds a
// control set; null with the reason in error otherwise. Creates nothing.
std::unique_ptr<XmlRootElement> readControlSetFile(const RefString& path, std::string* error = nullptr);
// Loads the file's control set into the set, adding to its bindings.
bool importControlSetFile(MidiControlSet& set, const RefString& path, std::string* error = nullptr);
// Writes the set into the file's "control_set"; other content of an existing
// "Settings" file stays. A file that is not one is refused, not replaced.
bool exportControlSetFile(MidiControlSet& set, const RefString& path, std::string* error = nullptr);
