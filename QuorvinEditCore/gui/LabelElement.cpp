#include "gui/LabelElement.h"

#include "gui/Drawing.h"
#include "gui/TextExtents.h"
#include "gui/WxLayout.h"
#include "text/WxText.h"

#include <wx/dc.h>
#include <wx/window.h>

namespace {

TextBlock::Measure measureOn(wxWindow* window, const wxFont& font)
{
    return [window, &font](std::u16string_view line) {
        const wxSize size = TextExtents::onWindow(*window, toWxString(RefString(line)), font);
        return LayoutSize{size.x, size.y};
    };
}

} // namespace

LabelElement::LabelElement(const ControlStyle& style, wxWindow* window, const RefString& text, int kind)
    : window_(window),
      font_(style.fontOfKind(kind)),
      colour_(style.colourOfKind(kind)),
      block_(text, measureOn(window, style.fontOfKind(kind)))
{
}

void LabelElement::draw(wxDC& dc) const
{
    if (!shown_)
        return;
    setTextStyle(dc, font_, colour_);
    for (int line = 0; line < block_.lineCount(); ++line) {
        const wxPoint start = toWxPoint(block_.lineStart(pagePosition_, boxWidth_, line));
        drawText(dc, toWxString(RefString(block_.lines()[line])), start.x, start.y);
    }
}

void LabelElement::setShown(bool shown)
{
    if (shown == shown_)
        return;
    shown_ = shown;
    window_->RefreshRect(toWxRect(pageBox()), true);
}
