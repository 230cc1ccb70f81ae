#include "PagesFixture.h"

#include "controls/Control.h"
#include "gui/EditorPanel.h"

#include <wx/frame.h>

PagesFixture::PagesFixture()
    : backend(std::make_shared<LoopbackMidiBackend>()), settingsRoot(XmlRootElement::create(RefString(u"Settings"))),
      settings(settingsRoot->child(RefString(u"YAMAHA_FS1R"))),
      frame(new wxFrame(nullptr, wxID_ANY, "pages", wxDefaultPosition, wxSize(1280, 1000))),
      panels(new PanelManager(frame)), previousBackend_(MidiBackend::install(backend))
{
    device = std::make_unique<Fs1rDevice>(*panels, settings, &ui, RefString::fromUtf8((folder.path() / "").string()));
    device->setup(frame);
}

PagesFixture::~PagesFixture()
{
    // As the main window does: the device first, then the pages.
    device.reset();
    delete frame;
    MidiBackend::install(previousBackend_);
}

Control& PagesFixture::control(const EditorPanel& page, const std::string& caption)
{
    for (std::size_t k = 0; k < page.groupCount(); ++k)
        for (const auto& entry : page.group(k)->controls())
            if (entry->control()
                && (entry->labelText().toUtf8() == caption || entry->control()->getPath().widget.toUtf8() == caption))
                return dynamic_cast<Control&>(*entry->control());
    ADD_FAILURE() << "no control captioned " << caption;
    throw std::runtime_error("no control " + caption);
}

std::size_t PagesFixture::controlCount(const EditorPanel& page)
{
    std::size_t count = 0;
    for (std::size_t k = 0; k < page.groupCount(); ++k)
        for (const auto& entry : page.group(k)->controls())
            count += entry->control() ? 1 : 0;
    return count;
}

std::string PagesFixture::title() const { return frame->GetTitle().utf8_string(); }
