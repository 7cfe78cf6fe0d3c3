#pragma once

#include <QPoint>
#include <QPointF>

#include <vector>

namespace korvex {

// The geometry of a line: its sampled centre line (the path), the path rounded to pixels
// (the raster) and the shortening at the end that makes room for the end mark.
namespace linegeometry {

inline constexpr double kPi = 3.14159265358979323846;

// Direction from a to b in [0, 2 pi), screen coordinates (y down, so angles grow clockwise
// on screen). Straight down is pi/2, straight up 3 pi/2, equal points give 0.
double direction(QPointF a, QPointF b);

// A smooth curve near the control points: a Bezier curve in which every control point
// counts six times, sampled at t = 0, 1/4000, ..., 1. A sample within 0.3 of the last kept
// sample in both x and y is dropped. The Bernstein weights are computed outward from their
// largest term and normalised, so hundreds of control points stay finite; they come from a
// table made once per control-point count (CurveWeights).
std::vector<QPointF> curvedPath(const std::vector<QPoint>& controlPoints);

// The most samples a straight path takes (1 MB of points): far more than any line drawn on
// a canvas needs (a line once round a large canvas takes about 6,600).
inline constexpr double kMaxStraightSamples = 65536.0;

// A polyline through the control points, each segment sampled every 1/3 pixel along its
// major axis (y on a tie), with the same 0.3 de-duplication. A line longer than
// kMaxStraightSamples / 3 pixels in all is sampled more thinly to stay within that bound.
std::vector<QPointF> straightPath(const std::vector<QPoint>& controlPoints);

// Every path point rounded (ties to even), consecutive duplicates dropped.
std::vector<QPoint> rasterOf(const std::vector<QPointF>& path);

// How far back from the last point the path and raster are cut for this line and end kind.
// Negative means "remove exactly the last point" (no end mark).
double trimLength(int lineKind, int endKind);

// Removes points from the end: walking back, each removed point adds its step length to a
// running sum, and the walk stops after the point at which the sum first exceeds `length`.
// A negative length removes exactly one point. One point is never trimmed.
void trim(std::vector<QPointF>& points, double length);
void trim(std::vector<QPoint>& points, double length);

} // namespace linegeometry
} // namespace korvex
