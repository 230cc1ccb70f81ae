#pragma once
// The wait dialog as the device drives it: the busy form of WaitDialog, made
// over the device's parent window. The device owns it and deletes it before
// that window goes.
#include "device/DeviceWaitDialog.h"

#include <wx/animate.h>
#include <wx/weakref.h>

class WaitDialog;
class wxWindow;

class DeviceWaitWindow : public DeviceWaitDialog {
public:
    DeviceWaitWindow(wxWindow* parent, const wxAnimation& animation);
    ~DeviceWaitWindow() override;
    DeviceWaitWindow(const DeviceWaitWindow&) = delete;
    DeviceWaitWindow& operator=(const DeviceWaitWindow&) = delete;

    void start(const RefString& message, std::int32_t total) override;
    void setProgress(std::int32_t value) override;
    void finish(std::int32_t ms) override;
    void runTimedWait(const RefString& message, std::int32_t totalMs, std::int32_t finishMs) override;

    // None once the toolkit has destroyed it with its parent.
    WaitDialog* dialog() const { return dialog_; }

private:
    wxWeakRef<WaitDialog> dialog_;
};
