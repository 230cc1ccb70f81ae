#include "app/EditorApp.h"

#include "app/Fs1rDeviceType.h"
#include "embedded/appIconPng.h"
#include "files/SettingsFile.h"
#include "gui/EditorStartUp.h"
#include "gui/EventModes.h"
#include "gui/MainFrame.h"
#include "gui/PngBitmap.h"
#include "panels/PageBitmaps.h"
#include "text/WxText.h"

#include <wx/icon.h>

EditorApp::EditorApp() = default;

EditorApp::~EditorApp() = default;

bool EditorApp::OnInit()
{
    useEditorEventModes();
    addPngHandler();
    if (!wxApp::OnInit())
        return false;
    // Decoded while the splash, the settings and the device come up.
    PageBitmaps::decodeAhead();

    const Fs1rDeviceType deviceType;
    auto* frame = new MainFrame(toWxString(deviceType.getProductName()));
    if (const auto icon = newBitmapFromPng(embedded::appIconPng, embedded::appIconPngSize); icon->IsOk()) {
        wxIcon appIcon;
        appIcon.CopyFromBitmap(*icon);
        frame->SetIcon(appIcon);
    }
    if (!startUpEditor(settings_, *frame, deviceType)) {
        shutDownEditor(settings_);
        frame->Destroy();
        return false;
    }
    frame->Centre(wxBOTH);
    frame->Show();
    return true;
}

int EditorApp::OnExit()
{
    shutDownEditor(settings_);
    return wxApp::OnExit();
}
