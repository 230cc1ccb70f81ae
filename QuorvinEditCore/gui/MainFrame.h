#pragma once
// The program's one top-level window: the File, Edit and View menus, whose
// commands go to the device, over the device's page area, at the page
// area's size. The application creates it; it owns the device and the
// message boxes and wait dialog the device shows. Destroying it disconnects
// and deletes the device before the pages, its child windows, go.
#include "gui/WxDeviceUserInterface.h"

#include <wx/frame.h>

#include <cstdint>
#include <memory>

class Device;

class MainFrame : public wxFrame {
public:
    // Command ids of the menu items that have no standard id.
    static constexpr int saveAllId = 0;
    static constexpr int saveToDeviceId = 1;
    // Writes the shown page's undo history; no menu item carries it.
    static constexpr int dumpHistoryId = 2;
    // The View menu's item for page i has the id firstPageId + i.
    static constexpr int firstPageId = 4;

    // The product name titles the window and the about box.
    explicit MainFrame(const wxString& productName);
    ~MainFrame() override;
    MainFrame(const MainFrame&) = delete;
    MainFrame& operator=(const MainFrame&) = delete;

    // The File and Edit menus and an empty View menu.
    void buildMenuBar();
    // Shows the device's page area, lists its pages in the View menu with
    // the keys F1, F2, ..., titles and sizes the window and keeps the device.
    void buildViewMenu(std::unique_ptr<Device> device);
    // Connects the kept device. Its message boxes run an event loop, and
    // what that delivers to the window finds the device.
    void connectDevice();

    // None until buildViewMenu.
    Device* device() const { return device_.get(); }
    // What the device is to show its messages and waits with.
    DeviceUserInterface& deviceUserInterface() { return userInterface_; }

private:
    void bindMenuCommands();
    void onAbout(wxCommandEvent& event);
    void onViewPage(wxCommandEvent& event);

    const wxString productName_;
    // Declared before the device, which must not outlive it.
    WxDeviceUserInterface userInterface_{this};
    std::unique_ptr<Device> device_;
    std::uint32_t pageCount_ = 0;
};
