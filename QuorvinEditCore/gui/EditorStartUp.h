#pragma once
// Brings the editor up behind its splash and takes it down again: the
// message catalogues, the menus, the user folder and the settings file, the
// instrument's device with its pages, and the connection; at exit the
// settings file is written. The application calls each once.
#include <memory>

class DeviceType;
class MainFrame;
class SettingsFile;

// On success settings holds the loaded settings file and the frame holds
// the connected device; a first run ends with a notice. False, after a box
// that tells the user, when the settings file cannot be loaded: nothing
// is built then.
bool startUpEditor(std::unique_ptr<SettingsFile>& settings, MainFrame& frame, const DeviceType& deviceType);
// Writes the settings file when it was loaded (a file that failed to load
// is left for the user), then frees it, the user-folder object and the
// catalogues. The device has written its settings by then, when the main
// window was destroyed.
void shutDownEditor(std::unique_ptr<SettingsFile>& settings);
