#include "ui/Geometry.h"

long CenteredStart(long areaExtent, long windowExtent)
{
    return (areaExtent - windowExtent) / 2;
}

namespace {

long ClampStart(long start, long extent, long areaStart, long areaEnd)
{
    if (start < areaStart)
        return areaStart;
    if (start + extent > areaEnd)
        return areaEnd - extent;
    return start;
}

}  // namespace

ScreenPoint CenterInside(const ScreenRect& reference, const ScreenRect& workArea, long width,
                         long height)
{
    ScreenPoint point;
    point.x = (reference.left + reference.right) / 2 - width / 2;
    point.y = (reference.top + reference.bottom) / 2 - height / 2;
    point.x = ClampStart(point.x, width, workArea.left, workArea.right);
    point.y = ClampStart(point.y, height, workArea.top, workArea.bottom);
    return point;
}
