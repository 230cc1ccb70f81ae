#include "panels/GroupCursor.h"

#include "gui/ControlGroup.h"

#include <algorithm>

namespace GroupCursor {

void startLine(ControlGroup& group)
{
    if (group.cursor().along != 0)
        group.nextRow(ControlFlow::noExtra);
}

namespace {

int spacingOf(const ControlGroup& group)
{
    const FlowSpacing& spacing = group.spacing();
    return group.inSection() ? spacing.sectionSpacing : spacing.controlSpacing;
}

} // namespace

void gap(ControlGroup& group, int pixels) { group.cursor().along += pixels - spacingOf(group); }

void advance(ControlGroup& group, int extra) { group.cursor().along += spacingOf(group) + extra; }

void skipSlots(ControlGroup& group, int count)
{
    const FlowSpacing& spacing = group.spacing();
    group.cursor().along += count * (spacing.controlSpacing + spacing.defaultLength);
}

void closeExtent(ControlGroup& group)
{
    FlowCursor& cursor = group.cursor();
    cursor.alongExtent = std::max(cursor.alongExtent, cursor.along);
}

} // namespace GroupCursor
