#include "gui/TextLayoutCache.h"

#include <wx/colour.h>
#include <wx/fontutil.h>
#include <wx/graphics.h>

#include <pango/pangocairo.h>

TextLayoutCache::~TextLayoutCache() { clear(); }

TextLayoutCache& TextLayoutCache::instance()
{
    static TextLayoutCache cache;
    return cache;
}

bool TextLayoutCache::draw(wxGraphicsContext& context, const wxFont& font, const wxColour& colour,
    const wxString& text, double x, double y)
{
    if (context.GetRenderer() != wxGraphicsRenderer::GetCairoRenderer() || !font.IsOk() || font.GetUnderlined()
        || font.GetStrikethrough())
        return false;
    auto* cairo = static_cast<cairo_t*>(context.GetNativeContext());
    if (cairo == nullptr)
        return false;
    PangoLayout* layout = layoutFor(cairo, font, text);
    cairo_set_source_rgba(cairo, colour.Red() / 255.0, colour.Green() / 255.0, colour.Blue() / 255.0,
        colour.Alpha() / 255.0);
    cairo_move_to(cairo, x, y);
    pango_cairo_show_layout(cairo, layout);
    return true;
}

namespace {

unsigned long fontOptionsHash(cairo_t* context)
{
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_surface_get_font_options(cairo_get_target(context), options);
    cairo_font_options_t* own = cairo_font_options_create();
    cairo_get_font_options(context, own);
    cairo_font_options_merge(options, own);
    const unsigned long hash = cairo_font_options_hash(options);
    cairo_font_options_destroy(own);
    cairo_font_options_destroy(options);
    return hash;
}

} // namespace

PangoLayout* TextLayoutCache::layoutFor(void* cairo, const wxFont& font, const wxString& text)
{
    auto* context = static_cast<cairo_t*>(cairo);
    const Key key{fontOptionsHash(context), font.GetRefData(), text};
    if (const auto found = layouts_.find(key); found != layouts_.end()) {
        // Another paint's context: the layout is shaped again only if it
        // differs in what the key leaves out (its transformation).
        pango_cairo_update_layout(context, found->second.layout);
        return found->second.layout;
    }
    if (layouts_.size() >= capacity)
        clear();
    PangoLayout* layout = pango_cairo_create_layout(context);
    pango_layout_set_font_description(layout, font.GetNativeFontInfo()->description);
    const wxScopedCharBuffer utf8 = text.utf8_str();
    pango_layout_set_text(layout, utf8.data(), int(utf8.length()));
    layouts_.emplace(key, Entry{font, layout});
    return layout;
}

void TextLayoutCache::clear()
{
    for (auto& [key, entry] : layouts_)
        g_object_unref(entry.layout);
    layouts_.clear();
}
