#include "gui/DeviceWaitWindow.h"

#include "gui/WaitDialog.h"
#include "gui/WaitThread.h"
#include "text/WxText.h"

DeviceWaitWindow::DeviceWaitWindow(wxWindow* parent, const wxAnimation& animation)
    : dialog_(new WaitDialog(parent, animation))
{
}

DeviceWaitWindow::~DeviceWaitWindow()
{
    if (dialog_)
        dialog_->Destroy();
}

void DeviceWaitWindow::start(const RefString& message, std::int32_t total)
{
    if (dialog_)
        dialog_->start(toWxString(message), total);
}

void DeviceWaitWindow::setProgress(std::int32_t value)
{
    if (dialog_)
        dialog_->setProgress(value);
}

void DeviceWaitWindow::finish(std::int32_t ms)
{
    if (dialog_)
        dialog_->finish(ms);
}

void DeviceWaitWindow::runTimedWait(const RefString& message, std::int32_t totalMs, std::int32_t finishMs)
{
    if (dialog_)
        runWaitThread(*dialog_, totalMs, toWxString(message), finishMs);
}
