#pragma once
// Turns a toolkit assert into a failure of the running test: left alone it
// would only print (headless) or open a dialog nobody answers (Xvfb).
void failTestsOnToolkitAsserts();
