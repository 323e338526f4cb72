#pragma once
// A measurement for the viewer's tests with predictable widths.

#include "Records.h"
#include "viewer/Blatt.h"

namespace viewertest {

// A character is 10 twips per point wide, 10 more in bold; a line is 25 twips per point high.
// 9 pt: 90 and 225; 10 pt bold: 110 and 250; 14 pt bold: 150 and 350.
inline double LineHeight(double points) {
    return points * 25;
}
inline Blatt::Metrics FixedMetrics() {
    return {[](const QString& text, double points, bool bold) {
                return static_cast<double>(text.size()) * (points * 10 + (bold ? 10 : 0));
            },
            [](double points, bool) { return LineHeight(points); }};
}

} // namespace viewertest
