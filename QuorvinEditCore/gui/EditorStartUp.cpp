#include "gui/EditorStartUp.h"

#include "device/Device.h"
#include "device/DeviceType.h"
#include "files/AtomicFile.h"
#include "files/SaveFolderList.h"
#include "files/SettingsFile.h"
#include "files/UserPaths.h"
#include "gui/DialogPlacement.h"
#include "gui/MainFrame.h"
#include "gui/Translations.h"
#include "gui/WaitArt.h"
#include "gui/WaitDialog.h"
#include "text/WxText.h"

#include <wx/app.h>
#include <wx/log.h>
#include <wx/msgdlg.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

// Beside the settings file.
constexpr char saveFolderListName[] = "save-folders";

// The folders this run saves into, from its start to its end.
std::unique_ptr<SaveFolderList> saveFolders;

// The start-up's progress over the splash picture. Each step's text is
// traced too, for the rare start that hangs before the window shows.
class StartUpSplash {
public:
    StartUpSplash() : bitmap_(newSplashBitmap()), dialog_(new WaitDialog(*bitmap_, splashBackgroundColour())) {}
    ~StartUpSplash() { dialog_->Destroy(); }
    StartUpSplash(const StartUpSplash&) = delete;
    StartUpSplash& operator=(const StartUpSplash&) = delete;

    // Shows the text and lets the splash repaint.
    void show(const wxString& text)
    {
        wxLogVerbose("Start-up: %s", text);
        dialog_->start(text, WaitDialog::noTotal);
        wxTheApp->Yield(true);
    }
    void finish() { dialog_->finish(0); }

private:
    std::unique_ptr<wxBitmap> bitmap_;
    WaitDialog* dialog_;
};

void showMessageBox(const wxString& text, const wxString& caption, wxWindow* parent = nullptr)
{
    wxMessageBox(text, caption, wxOK | wxCENTRE, parent);
}

void showFirstRunNotice(const wxString& productName, wxWindow& frame)
{
    showMessageBox(wxString::Format(_("It seems like you are running %s for the first time.\nPlease read the quick "
                                      "help on the system panel (See the View menu or press F1).\n\nEnjoy!"),
                       productName),
        wxString::Format(_("First time using %s"), productName), &frame);
}

} // namespace

bool startUpEditor(std::unique_ptr<SettingsFile>& settings, MainFrame& frame, const DeviceType& deviceType)
{
    // Saves of earlier runs that a crash interrupted left their temporary
    // files behind; this run's own saves are newer.
    const std::filesystem::file_time_type runStart = std::filesystem::file_time_type::clock::now();
    const wxString productName = toWxString(deviceType.getProductName());
    const wxString id = toWxString(deviceType.getId());
    initTranslations(productName);
    keepToolkitDialogsOverTheirParents();
    StartUpSplash splash;
    splash.show(_("Starting up..."));
    frame.buildMenuBar();

    const UserPaths& paths = getUserPaths();
    // A folder that cannot be made shows as a settings file that cannot be
    // written, just below.
    paths.createCacheFolder();
    const std::filesystem::path cache = paths.cachePath().toUtf8();
    saveFolders = std::make_unique<SaveFolderList>(cache / saveFolderListName, cache);
    saveFolders->sweep(runStart);
    AtomicFile::setSaveFolderList(saveFolders.get());
    splash.show(_("Loading the settings file"));
    settings = std::make_unique<SettingsFile>(paths.settingsFile());
    const SettingsLoadResult loaded = settings->load();
    if (!loaded.loaded) {
        wxLogVerbose("Settings file: %s", wxString::FromUTF8(loaded.reason));
        showMessageBox(toWxString(loaded.message), toWxString(loaded.caption));
        return false;
    }

    splash.show(_("Loading module ") + id);
    std::unique_ptr<Device> device =
        deviceType.createDevice(frame, settings->deviceElement(deviceType.getId()), frame.deviceUserInterface());
    splash.show(_("Adding panels of ") + id);
    // The device reports what its set-up could not do itself.
    device->setup(&frame);
    frame.buildViewMenu(std::move(device));
    splash.finish();
    if (loaded.firstRun) {
        // The notice speaks of the window's pages: it shows over the window,
        // and before the connection's messages, which would come on top.
        frame.Centre(wxBOTH);
        frame.Show();
        awaitActivation(frame);
        showFirstRunNotice(productName, frame);
    }
    frame.connectDevice();
    return true;
}

void shutDownEditor(std::unique_ptr<SettingsFile>& settings)
{
    if (settings && settings->isLoaded()) {
        std::string error;
        if (!settings->save(&error))
            wxLogError(_("The settings could not be saved: %s"), wxString::FromUTF8(error));
    }
    settings.reset();
    AtomicFile::setSaveFolderList(nullptr);
    saveFolders.reset();
    deleteUserPaths();
    freeTranslations();
}
