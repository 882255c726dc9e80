#pragma once

#include <array>
#include <string>

#include "forms/BodyForm.h"
#include "forms/FigureTexts.h"
#include "forms/SuspensionForm.h"
#include "forms/WheelsForm.h"

namespace rw {

// A point of the top view, in metres. The car's x and z are turned so that
// `across` grows towards the car's right and `along` towards its front,
// whichever way the file's axes point.
struct ViewPoint {
    double across = 0.0;
    double along = 0.0;
};

// Which side of its anchor a label's text lies on.
enum class LabelSide { Left, Right, Above, Below };

struct ViewLabel {
    ViewPoint at;
    LabelSide side = LabelSide::Right;
    std::string text;
};

struct WheelOutline {
    ViewPoint centre;
    double width = 0.0;
    double length = 0.0;
    ViewLabel label;
};

struct DimensionLine {
    ViewPoint from;
    ViewPoint to;
    ViewLabel label;
};

// The car seen from above, to scale: the four wheels at their suspensions,
// the centre of gravity and the dimension lines of the four figures.
struct TopViewGeometry {
    // Wheel order: left front, right front, left rear, right rear.
    std::array<WheelOutline, 4> wheels{};
    ViewPoint cg;
    ViewLabel cgLabel;
    // Wheelbase, front track, rear track.
    std::array<DimensionLine, 3> dimensions{};
    // Everything above lies within; never of zero width or height.
    ViewPoint minimum;
    ViewPoint maximum;
    // The four figures in words, for those who cannot see the drawing.
    std::string description;
};

TopViewGeometry ComputeTopView(const BodyForm& body, const WheelsForm& wheels,
                               const SuspensionForm& suspension, const FigureTexts& figures);

}  // namespace rw
