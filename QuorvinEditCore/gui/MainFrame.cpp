#include "gui/MainFrame.h"

#include "device/Device.h"
#include "text/WxText.h"

#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>

#include <functional>
#include <utility>

namespace {

// No resize border and no maximize box: the window keeps the pages' size.
constexpr long frameStyle = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX | wxCLIP_CHILDREN;

struct MenuItem {
    int id;
    const char* text;
    const char* help;
};

constexpr int separator = wxID_SEPARATOR;

constexpr MenuItem fileItems[] = {
    {wxID_NEW, wxTRANSLATE("&Init...\tCtrl-N"), wxTRANSLATE("Start from scratch")},
    {separator, nullptr, nullptr},
    {wxID_OPEN, wxTRANSLATE("&Open...\tCtrl-O"), wxTRANSLATE("Open a file")},
    {wxID_SAVE, wxTRANSLATE("&Save\tCtrl-S"), wxTRANSLATE("Save changes")},
    {wxID_SAVEAS, wxTRANSLATE("Save &as..."), wxTRANSLATE("Save to a new location")},
    {MainFrame::saveAllId, wxTRANSLATE("Save a&ll...\tCtrl-Shift-S"), wxTRANSLATE("Save each opened patch...")},
    {separator, nullptr, nullptr},
    {MainFrame::saveToDeviceId, wxTRANSLATE("Save to &device\tCtrl-D"), wxTRANSLATE("Save to the device")},
    {separator, nullptr, nullptr},
    {wxID_ABOUT, wxTRANSLATE("&About..."), wxTRANSLATE("Show the about dialog")},
    {separator, nullptr, nullptr},
    {wxID_EXIT, wxTRANSLATE("E&xit\tAlt-F4"), wxTRANSLATE("Quit this program")},
};

constexpr MenuItem editItems[] = {
    {wxID_UNDO, wxTRANSLATE("&Undo\tCtrl+Z"), wxTRANSLATE("Undo the last command")},
    {wxID_REDO, wxTRANSLATE("&Redo\tCtrl+Y"), wxTRANSLATE("Redo the last undone command")},
};

template <std::size_t count>
wxMenu* newMenu(const MenuItem (&items)[count])
{
    auto* menu = new wxMenu;
    for (const MenuItem& item : items) {
        if (item.id == separator)
            menu->AppendSeparator();
        else
            menu->Append(item.id, wxGetTranslation(item.text), wxGetTranslation(item.help));
    }
    return menu;
}

// Menu commands that go straight to the device, with the shown page's part.
const std::pair<int, std::function<void(Device&)>> deviceCommands[] = {
    {wxID_NEW, [](Device& device) { device.resetCurrentPanel(); }},
    {wxID_OPEN, [](Device& device) { device.openFile(); }},
    {wxID_SAVE, [](Device& device) { device.saveToFile(false, Device::shownPanel); }},
    {wxID_SAVEAS, [](Device& device) { device.saveToFile(true, Device::shownPanel); }},
    {MainFrame::saveAllId, [](Device& device) { device.saveAll(); }},
    {MainFrame::saveToDeviceId, [](Device& device) { device.saveToDevice(Device::shownPanel); }},
    {wxID_UNDO, [](Device& device) { device.undo(Device::shownPanel); }},
    {wxID_REDO, [](Device& device) { device.redo(Device::shownPanel); }},
    {MainFrame::dumpHistoryId, [](Device& device) { device.dumpHistory(Device::shownPanel); }},
};

} // namespace

MainFrame::MainFrame(const wxString& productName)
    : wxFrame(nullptr, wxID_ANY, productName, wxDefaultPosition, wxDefaultSize, frameStyle, "frame"),
      productName_(productName)
{
    bindMenuCommands();
}

MainFrame::~MainFrame()
{
    if (device_) {
        device_->disconnect();
        device_.reset();
    }
}

void MainFrame::bindMenuCommands()
{
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Close(true); }, wxID_EXIT);
    Bind(wxEVT_MENU, &MainFrame::onAbout, this, wxID_ABOUT);
    for (const auto& [id, command] : deviceCommands) {
        Bind(wxEVT_MENU, [this, &command = command](wxCommandEvent&) {
            if (device_)
                command(*device_);
        }, id);
    }
}

void MainFrame::buildMenuBar()
{
    auto* menuBar = new wxMenuBar;
    menuBar->Append(newMenu(fileItems), _("&File"));
    menuBar->Append(newMenu(editItems), _("&Edit"));
    menuBar->Append(new wxMenu, _("&View"));
    SetMenuBar(menuBar);
    SetSizer(new wxBoxSizer(wxVERTICAL));
}

void MainFrame::buildViewMenu(std::unique_ptr<Device> device)
{
    if (wxWindow* pages = device->mainPanel())
        GetSizer()->Add(pages, 0, wxALIGN_CENTRE_HORIZONTAL);
    const int viewMenu = GetMenuBar()->FindMenu(_("&View"));
    if (viewMenu != wxNOT_FOUND) {
        wxMenu* menu = GetMenuBar()->GetMenu(viewMenu);
        const ValueLabels names = device->panelNames();
        for (pageCount_ = 0; pageCount_ < names.count(); ++pageCount_) {
            const wxString name = toWxString(names.get(std::int32_t(pageCount_)));
            menu->Append(firstPageId + int(pageCount_), wxString::Format("%s\tF%u", name, pageCount_ + 1), wxString());
        }
        if (pageCount_ > 0)
            Bind(wxEVT_MENU, &MainFrame::onViewPage, this, firstPageId, firstPageId + int(pageCount_) - 1);
    }
    SetTitle(productName_ + ": " + toWxString(device->getTypeId()));
    const wxSize pages = GetSizer()->GetMinSize();
    SetMinClientSize(pages);
    SetClientSize(pages);
    // Where the window will show, so the connection's wait dialog, centred
    // on it, shows there too.
    Centre(wxBOTH);
    device_ = std::move(device);
}

void MainFrame::connectDevice()
{
    if (device_)
        device_->connect();
}

void MainFrame::onAbout(wxCommandEvent&)
{
    wxMessageBox(wxString::Format(_("%s\n\nAn editor and librarian for synthesizers."), productName_),
        wxString::Format(_("About %s"), productName_), wxOK | wxCENTRE, this);
}

void MainFrame::onViewPage(wxCommandEvent& event)
{
    if (device_)
        device_->showPanel(event.GetId() - firstPageId);
}
