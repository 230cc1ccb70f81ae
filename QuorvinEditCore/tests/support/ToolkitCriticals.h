#pragma once
// Turns a critical message of GLib or GTK (a failed check in the toolkit, an
// event for a window it no longer or not yet has) into a failure of the
// running test; it is printed still. Left alone it would only print.
void failTestsOnToolkitCriticals();
