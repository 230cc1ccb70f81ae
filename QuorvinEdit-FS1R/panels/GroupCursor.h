#pragma once
// Cursor moves the performance sections make between their controls, on a
// group's flow: gaps instead of the spacing, skipped slots, new lines.
class ControlGroup;

namespace GroupCursor {

// Closes the current row or column unless nothing stands on it yet.
void startLine(ControlGroup& group);
// The next control starts pixels past the last one instead of the
// spacing (of the open section, when one is).
void gap(ControlGroup& group, int pixels);
// The next control starts the spacing plus extra pixels further on.
void advance(ControlGroup& group, int extra);
// Leaves count default-sized slots empty.
void skipSlots(ControlGroup& group, int count);
// The group's extent takes in the open row.
void closeExtent(ControlGroup& group);

} // namespace GroupCursor
