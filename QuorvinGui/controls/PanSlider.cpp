#include "controls/PanSlider.h"

#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "params/Parameter.h"

#include <wx/dc.h>
#include <wx/intl.h>

PanSlider::PanSlider(wxWindow* parent, const ControlStyle& style) : HorizontalSlider(parent, style) {}

void PanSlider::onBind(RoleId role, Parameter* parameter)
{
    HorizontalSlider::onBind(role, parameter);
    if (parameter == nullptr)
        return;
    const std::int64_t middle = (std::int64_t{parameter->minimum()} + parameter->maximum() + 1) / 2;
    setDisplayScale(Rational(1), Rational(-middle));
}

void PanSlider::draw(wxDC& dc, const wxRegion&, bool, bool, bool)
{
    const wxSize size = clientSize();
    paintBackground(dc, size.GetWidth(), size.GetHeight());
    const SliderGeometry geometry = barGeometry();
    drawBar(dc, geometry.zero, geometry.bar, geometry.end);
    useFont(dc, style().fixedFont);
    dc.SetTextForeground(style().colour5);
    const wxString left = _("L");
    const wxString right = _("R");
    dc.DrawText(left, 1, 0);
    dc.DrawText(right, size.GetWidth() - dc.GetTextExtent(right).GetWidth(), 0);
}
