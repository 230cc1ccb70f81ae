#pragma once
// The device's windows as the tests see them: message boxes, wait-dialog
// calls and control-set dialog openings, recorded in order as text.
#include "device/DeviceUserInterface.h"
#include "device/DeviceWaitDialog.h"
#include "device/ParameterAction.h"

#include <deque>
#include <string>
#include <vector>

class FakeUserInterface : public DeviceUserInterface {
public:
    struct Message {
        std::string caption;
        std::string text;
    };

    void showMessage(const RefString& caption, const RefString& text) override
    {
        messages.push_back({caption.toUtf8(), text.toUtf8()});
    }
    std::unique_ptr<DeviceWaitDialog> createWaitDialog(wxWindow*) override
    {
        return std::make_unique<WaitRecorder>(waitCalls);
    }
    std::unique_ptr<ParameterAction> createControlSetDialog(MidiControlSet&, wxWindow*, const ControlStyle*) override
    {
        dialogRuns.push_back(0);
        return std::make_unique<DialogOpener>(dialogRuns.back(), "Control set " + std::to_string(dialogRuns.size()));
    }

    std::vector<Message> messages;
    // "start <message> <total>", "finish <ms>" and "timed <message> <total>
    // <finish>"; gauge moves are left out.
    std::vector<std::string> waitCalls;
    // How often each dialog made so far was opened; growing keeps the
    // counts where the dialogs point.
    std::deque<int> dialogRuns;

private:
    class WaitRecorder : public DeviceWaitDialog {
    public:
        explicit WaitRecorder(std::vector<std::string>& calls) : calls_(calls) {}
        void start(const RefString& message, std::int32_t total) override
        {
            calls_.push_back("start " + message.toUtf8() + " " + std::to_string(total));
        }
        void setProgress(std::int32_t) override {}
        void finish(std::int32_t ms) override { calls_.push_back("finish " + std::to_string(ms)); }
        void runTimedWait(const RefString& message, std::int32_t totalMs, std::int32_t finishMs) override
        {
            calls_.push_back("timed " + message.toUtf8() + " " + std::to_string(totalMs) + " "
                + std::to_string(finishMs));
        }

    private:
        std::vector<std::string>& calls_;
    };

    class DialogOpener : public ParameterAction {
    public:
        DialogOpener(int& runs, const std::string& title) : runs_(runs), title_(title) {}
        void run() override { ++runs_; }
        RefString text() const override { return RefString::fromUtf8(title_); }

    private:
        int& runs_;
        std::string title_;
    };
};
