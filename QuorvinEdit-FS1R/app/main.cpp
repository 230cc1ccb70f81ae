// The FS1R editor's entry: prepares the process, then hands it to the toolkit.
#include "app/EditorApp.h"
#include "app/ReleaseAsserts.h"
#include "effects/EffectTypeDefaults.h"
#include "simulator/SimulatorConnection.h"

#include <cstdlib>

wxIMPLEMENT_APP_NO_MAIN(EditorApp);

int main(int argc, char** argv)
{
    // The pages place popups and pop-outs at screen positions, which only
    // the X11 backend of GTK allows; the user may still choose another.
    ::setenv("GDK_BACKEND", "x11", 0);
    // QUORVIN_MIDI=simulator tries the editor on a simulated FS1R, which
    // sets the pages' effect defaults as the instrument sets its own.
    SimulatorConnection::registerBackend(effectTypeDefaults);
#ifdef NDEBUG
    reportAssertsOnStderr();
#endif
    return wxEntry(argc, argv);
}
