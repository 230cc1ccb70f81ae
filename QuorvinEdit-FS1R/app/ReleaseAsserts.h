#pragma once
// A release build goes on after a toolkit assert: the user would only lose
// the session to a dialog offering to stop. The assert is written to stderr,
// so a report can still quote it. Debug builds keep the toolkit's dialog.
void reportAssertsOnStderr();
