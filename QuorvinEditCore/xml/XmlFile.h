#pragma once
// Reading and writing the editor's XML files. Every failure comes back as a
// result with a readable reason; nothing here shows or logs anything, and a
// write goes through AtomicFile, so a failed save leaves the old file whole.
#include "xml/XmlRootElement.h"

#include <memory>
#include <string>
#include <string_view>

// The root element of the settings file and of the control-set files.
inline constexpr char16_t settingsRootName[] = u"Settings";

// True when the path names an existing file that is not a folder.
bool fileExists(const RefString& path);

// The document's root, or null with the reason in error.
std::unique_ptr<XmlRootElement> parseXml(std::string_view bytes, std::string* error = nullptr);
// An existing file with any root; creates nothing.
std::unique_ptr<XmlRootElement> readXmlFile(const RefString& path, std::string* error = nullptr);
// A file whose root must be "Settings"; a missing file is created at once
// with an empty "Settings" root.
std::unique_ptr<XmlRootElement> loadXmlFile(const RefString& path, std::string* error = nullptr);

// The document's text: UTF-8 with the XML declaration, indented by one;
// empty when the toolkit could not write it.
std::string xmlText(const XmlRootElement& root);
bool saveXmlFile(const XmlRootElement& root, const RefString& path, std::string* error = nullptr);
