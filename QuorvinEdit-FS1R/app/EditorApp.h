#pragma once
// The FS1R editor's application object: brings the editor up for the FS1R
// at start-up and writes the settings file at exit. It owns the settings
// file for the whole run; the toolkit owns it.
#include <wx/app.h>

#include <memory>

class SettingsFile;

class EditorApp : public wxApp {
public:
    EditorApp();
    ~EditorApp() override;

    // False, and the program ends, when the settings file cannot be loaded.
    bool OnInit() override;
    int OnExit() override;

private:
    std::unique_ptr<SettingsFile> settings_;
};

wxDECLARE_APP(EditorApp);
