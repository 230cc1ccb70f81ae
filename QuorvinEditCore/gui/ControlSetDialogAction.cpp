#include "gui/ControlSetDialogAction.h"

#include "gui/MidiControlSetDialog.h"

ControlSetDialogAction::ControlSetDialogAction(MidiControlSetDialog* dialog)
    : dialog_(dialog), text_(dialog->text())
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
    if (MidiControlSetDialog* dialog = dialog_.get())
        dialog->run();
}

RefString ControlSetDialogAction::text() const { return text_; }
