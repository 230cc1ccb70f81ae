#include "app/tests/support/EditorWindows.h"

#include "gui/WaitDialog.h"
#include "midi/MidiInterface.h"

#include <wx/toplevel.h>

#include <algorithm>

void forEachWindow(wxWindow* root, const std::function<void(wxWindow*)>& visit)
{
    visit(root);
    for (wxWindow* child : root->GetChildren())
        if (!child->IsTopLevel())
            forEachWindow(child, visit);
}

bool waitDialogShown()
{
    return std::ranges::any_of(wxTopLevelWindows,
        [](const wxWindow* window) { return dynamic_cast<const WaitDialog*>(window) && window->IsShown(); });
}

bool instrumentIdle(const MidiInterface& midi)
{
    return midi.queuedDumpRequests() == 0 && !midi.isReceivingDump() && !midi.isWaitingForReply()
        && !waitDialogShown();
}
