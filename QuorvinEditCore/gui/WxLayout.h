#pragma once
// Conversions between the layout arithmetic's points and rectangles and the
// toolkit's, used where layout meets drawing and events.
#include "layout/LayoutGeometry.h"

#include <wx/gdicmn.h>

inline wxPoint toWxPoint(LayoutPoint point) { return {point.x, point.y}; }
inline wxRect toWxRect(const LayoutRect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }
inline LayoutPoint toLayoutPoint(const wxPoint& point) { return {point.x, point.y}; }
