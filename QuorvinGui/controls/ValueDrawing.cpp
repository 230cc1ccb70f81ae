#include "controls/ValueDrawing.h"

#include "gui/Drawing.h"
#include "params/Parameter.h"
#include "text/WxText.h"

#include <wx/bitmap.h>
#include <wx/dc.h>

namespace {

// The per-value picture table covers the raw values 0 to the maximum.
const wxBitmap* pictureOfValue(const Parameter& parameter, std::int32_t raw)
{
    if (parameter.valuePictures() == nullptr || raw < 0 || raw > parameter.maximum())
        return nullptr;
    const wxBitmap& picture = parameter.valuePictures()[raw];
    return picture.IsOk() ? &picture : nullptr;
}

} // namespace

RefString valueFaceText(const Parameter& parameter, std::int32_t raw)
{
    if (!parameter.showsText())
        return RefString();
    return RefString::concat(parameter.valueText(raw), parameter.unit());
}

RefString currentValueText(const Parameter* parameter)
{
    return parameter ? valueFaceText(*parameter, parameter->getValue()) : RefString();
}

void drawValue(wxDC& dc, const Parameter& parameter, std::int32_t raw, const wxColour& colour, const wxRect& box,
    bool centred)
{
    if (const auto& shared = parameter.picture(); shared && shared->IsOk())
        drawBitmapInRect(*shared, colour, dc, box.x, box.y, centred, box.width, box.height);
    if (const wxBitmap* picture = pictureOfValue(parameter, raw))
        drawBitmapInRect(*picture, colour, dc, box.x, box.y, centred, box.width, box.height);
    const RefString text = valueFaceText(parameter, raw);
    if (text.isEmpty())
        return;
    drawColouredText(dc, toWxString(text), colour, box.x, box.y, box.width, box.height, centred);
}
