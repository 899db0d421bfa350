#pragma once
// Core Graphics geometry in points, with the encodings the runtime checks.

#include "runtime/Encoding.h"

using CGFloat = double;

struct CGPoint {
    CGFloat x = 0;
    CGFloat y = 0;
    bool operator==(const CGPoint&) const = default;
};

struct CGSize {
    CGFloat width = 0;
    CGFloat height = 0;
    bool operator==(const CGSize&) const = default;
};

struct CGRect {
    CGPoint origin;
    CGSize size;
    bool operator==(const CGRect&) const = default;
};

struct CGAffineTransform {
    CGFloat a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
    bool operator==(const CGAffineTransform&) const = default;
};

inline constexpr CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat width, CGFloat height) { return { { x, y }, { width, height } }; }
inline constexpr CGPoint CGPointMake(CGFloat x, CGFloat y) { return { x, y }; }
inline constexpr CGSize CGSizeMake(CGFloat width, CGFloat height) { return { width, height }; }
inline constexpr CGRect CGRectZero {};
inline constexpr CGAffineTransform CGAffineTransformIdentity {};
inline constexpr CGAffineTransform CGAffineTransformMakeScale(CGFloat sx, CGFloat sy) { return { sx, 0, 0, sy, 0, 0 }; }
inline constexpr CGAffineTransform CGAffineTransformScale(CGAffineTransform t, CGFloat sx, CGFloat sy)
{
    return { t.a * sx, t.b * sx, t.c * sy, t.d * sy, t.tx, t.ty };
}
inline CGFloat CGRectGetMaxX(CGRect r) { return r.origin.x + r.size.width; }
inline CGFloat CGRectGetMaxY(CGRect r) { return r.origin.y + r.size.height; }
inline bool CGRectContainsPoint(CGRect r, CGPoint p)
{
    return p.x >= r.origin.x && p.x < CGRectGetMaxX(r) && p.y >= r.origin.y && p.y < CGRectGetMaxY(r);
}

namespace runtime {
// clang-format off
template <> struct Encoding<CGPoint> { static std::string get() { return "{CGPoint=dd}"; } };
template <> struct Encoding<CGSize> { static std::string get() { return "{CGSize=dd}"; } };
template <> struct Encoding<CGRect> { static std::string get() { return "{CGRect={CGPoint=dd}{CGSize=dd}}"; } };
template <> struct Encoding<CGAffineTransform> { static std::string get() { return "{CGAffineTransform=dddddd}"; } };
// clang-format on
}
