#pragma once
// Draws text through Pango with its layouts kept: the toolkit makes and
// shapes a new layout for every text it draws, and shaping is most of what
// drawing a page's values and captions costs. One per program (the GUI
// thread's); bounded, so that texts which come and go cannot pile up.
#include <wx/font.h>
#include <wx/string.h>

#include <cstddef>
#include <map>
#include <tuple>

class wxColour;
class wxGraphicsContext;
struct _PangoLayout;

class TextLayoutCache {
public:
    static constexpr std::size_t capacity = 8192;

    TextLayoutCache() = default;
    ~TextLayoutCache();
    TextLayoutCache(const TextLayoutCache&) = delete;
    TextLayoutCache& operator=(const TextLayoutCache&) = delete;

    static TextLayoutCache& instance();

    // Draws text with its top-left at (x, y) as the context's DrawText
    // would; false, drawing nothing, where the context is not a cairo one
    // or the font has attributes a plain layout lacks.
    bool draw(wxGraphicsContext& context, const wxFont& font, const wxColour& colour, const wxString& text, double x,
        double y);

    std::size_t size() const { return layouts_.size(); }

private:
    struct Entry {
        // Holds the font's data, whose address is part of the key.
        wxFont font;
        _PangoLayout* layout;
    };
    // The font options of the surface drawn on (a window's and a memory
    // bitmap's differ, and a layout moved between them is shaped anew), the
    // font's data and the text.
    using Key = std::tuple<unsigned long, const void*, wxString>;

    _PangoLayout* layoutFor(void* cairo, const wxFont& font, const wxString& text);
    void clear();

    std::map<Key, Entry> layouts_;
};
