#include "gui/ControlSetDialogAction.h"

#include "gui/MidiControlSetDialog.h"
#include "text/WxText.h"

ControlSetDialogAction::ControlSetDialogAction(MidiControlSet& set, wxWindow* parent, const ControlStyle& style)
    : set_(set), parent_(parent), style_(style), text_(fromWxString(_("MIDI control set")))
{
}

ControlSetDialogAction::~ControlSetDialogAction()
{
    if (MidiControlSetDialog* dialog = dialog_.get()) {
        dialog->detach();
        dialog->Destroy();
    }
}

void ControlSetDialogAction::run()
{
    // MIDI learn needs no dialog before this: only the dialog's Learn
    // switch turns it on.
    if (!dialog_ && parent_)
        dialog_ = new MidiControlSetDialog(set_, parent_.get(), style_);
    if (MidiControlSetDialog* dialog = dialog_.get())
        dialog->run();
}

RefString ControlSetDialogAction::text() const { return text_; }
