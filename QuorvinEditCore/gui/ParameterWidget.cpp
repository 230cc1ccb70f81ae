#include "gui/ParameterWidget.h"

#include "gui/ControlElement.h"
#include "params/Parameter.h"
#include "undo/CommandList.h"

#include <algorithm>

#include <wx/window.h>

ParameterWidget::ParameterWidget(wxWindow* window, std::vector<Parameter*> parameters)
    : window_(window), parameters_(std::move(parameters))
{
    for (Parameter* parameter : parameters_)
        parameter->addListener(this);
}

ParameterWidget::~ParameterWidget()
{
    // The page is being destroyed; its handlers bound to this object go too.
    window_->Destroy();
}

void ParameterWidget::place(int x, int y, const wxBitmap* /*background*/) { window_->Move(x, y); }

void ParameterWidget::setSize(int width, int height) { window_->SetSize(width, height); }

void ParameterWidget::refreshRect(const wxRect* rect) { window_->Refresh(false, rect); }

void ParameterWidget::init(std::uint32_t flags)
{
    beginCommandGroup(RefString::concat(path_.text(), RefString(u" reset")), flags);
    for (Parameter* parameter : parameters_)
        parameter->setValue(flags, parameter->defaultValue());
    endCommandGroup(flags);
}

void ParameterWidget::onParameterChanged(Parameter* /*parameter*/, std::uint32_t /*flags*/)
{
    updateStates();
    showValue();
}

void ParameterWidget::onParameterDestroyed(Parameter* parameter)
{
    parameters_.erase(std::remove(parameters_.begin(), parameters_.end(), parameter), parameters_.end());
}

void ParameterWidget::updateStates()
{
    window_->Show(shown_.evaluate());
    if (element_ != nullptr && element_->caption() != nullptr)
        element_->caption()->setShown(window_->IsShown());
    window_->Enable(enabled_.evaluate());
}
