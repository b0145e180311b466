#pragma once

// Window placement arithmetic, kept apart from the window code so that it
// can be checked on any system.

struct ScreenRect {
    long left = 0;
    long top = 0;
    long right = 0;
    long bottom = 0;
};

struct ScreenPoint {
    long x = 0;
    long y = 0;
};

// Where a window of the given size starts when centred in an area of the
// given extent. An oversized window starts before the area and stays
// centred; the halving truncates toward zero, as C++ division does.
long CenteredStart(long areaExtent, long windowExtent);

// The top left corner that centres a window of width x height on the
// reference rectangle and then keeps it inside the work area: a window
// that would leave the area on the left or top is moved to its left or top
// edge, otherwise one that would leave it on the right or bottom is moved
// back to that edge.
ScreenPoint CenterInside(const ScreenRect& reference, const ScreenRect& workArea, long width,
                         long height);
