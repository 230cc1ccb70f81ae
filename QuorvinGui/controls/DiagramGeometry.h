#pragma once
// The sizes an algorithm diagram is drawn at: the side of an operator box,
// the gap beside a box and the gap between a box and the line below it.
struct DiagramGeometry {
    int box;
    int horizontalGap;
    int verticalGap;
};

// The small diagrams of the popup cells carry no operator numbers.
inline constexpr DiagramGeometry popupDiagramGeometry{5, 4, 4};
inline constexpr DiagramGeometry selectorDiagramGeometry{12, 5, 5};
