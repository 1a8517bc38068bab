// Shapes for the artwork painter: each answers whether a point lies inside.
#pragma once

#include <cmath>
#include <initializer_list>
#include <vector>

namespace au::art {

struct Point {
  double X = 0;
  double Y = 0;
};

// A rectangle [Left, Right) x [Top, Bottom) with its own radius per corner.
struct RoundRect {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;
  double TopLeft = 0;
  double TopRight = 0;
  double BottomRight = 0;
  double BottomLeft = 0;

  bool operator()(double x, double y) const {
    if (x < Left || x >= Right || y < Top || y >= Bottom) return false;
    const auto outsideCorner = [x, y](double cx, double cy, double r) {
      return (x - cx) * (x - cx) + (y - cy) * (y - cy) > r * r;
    };
    if (x < Left + TopLeft && y < Top + TopLeft)
      return !outsideCorner(Left + TopLeft, Top + TopLeft, TopLeft);
    if (x >= Right - TopRight && y < Top + TopRight)
      return !outsideCorner(Right - TopRight, Top + TopRight, TopRight);
    if (x >= Right - BottomRight && y >= Bottom - BottomRight)
      return !outsideCorner(Right - BottomRight, Bottom - BottomRight, BottomRight);
    if (x < Left + BottomLeft && y >= Bottom - BottomLeft)
      return !outsideCorner(Left + BottomLeft, Bottom - BottomLeft, BottomLeft);
    return true;
  }
};

inline RoundRect Rounded(double left, double top, double right, double bottom, double radius) {
  return {left, top, right, bottom, radius, radius, radius, radius};
}
inline RoundRect Box(double left, double top, double right, double bottom) {
  return {left, top, right, bottom, 0, 0, 0, 0};
}
// The same rectangle shrunk by `by` on every side, its radii with it.
inline RoundRect Inset(const RoundRect& r, double by) {
  const auto less = [by](double radius) { return radius > by ? radius - by : 0.0; };
  return {r.Left + by,     r.Top + by,       r.Right - by,        r.Bottom - by,
          less(r.TopLeft), less(r.TopRight), less(r.BottomRight), less(r.BottomLeft)};
}

struct Ellipse {
  double CentreX = 0;
  double CentreY = 0;
  double RadiusX = 0;
  double RadiusY = 0;

  bool operator()(double x, double y) const {
    const double dx = (x - CentreX) / RadiusX;
    const double dy = (y - CentreY) / RadiusY;
    return dx * dx + dy * dy <= 1.0;
  }
};

inline Ellipse Circle(double cx, double cy, double r) {
  return {cx, cy, r, r};
}

// A closed polygon, filled by the even-odd rule.
struct Polygon {
  std::vector<Point> Corners;

  Polygon(std::initializer_list<Point> corners) : Corners(corners) {}
  bool operator()(double x, double y) const {
    bool in = false;
    for (std::size_t i = 0, j = Corners.size() - 1; i < Corners.size(); j = i++) {
      const Point& a = Corners[i];
      const Point& b = Corners[j];
      if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X) in = !in;
    }
    return in;
  }
};

// A line through the points, `Width` thick, with round ends and joins.
struct Stroke {
  std::vector<Point> Through;
  double Width = 1;

  Stroke(std::initializer_list<Point> through, double width) : Through(through), Width(width) {}
  bool operator()(double x, double y) const {
    const double reach = Width * Width / 4;
    for (std::size_t i = 0; i + 1 < Through.size(); ++i) {
      const Point& a = Through[i];
      const Point& b = Through[i + 1];
      const double dx = b.X - a.X;
      const double dy = b.Y - a.Y;
      double t = ((x - a.X) * dx + (y - a.Y) * dy) / (dx * dx + dy * dy);
      t = t < 0 ? 0 : (t > 1 ? 1 : t);
      const double ex = a.X + t * dx - x;
      const double ey = a.Y + t * dy - y;
      if (ex * ex + ey * ey <= reach) return true;
    }
    return false;
  }
};

// Pixel art: the pixels marked 'X' in `Rows`, the first row's first pixel at
// (Left, Top).
struct PixelPattern {
  int Left = 0;
  int Top = 0;
  std::vector<const char*> Rows;

  PixelPattern(int left, int top, std::initializer_list<const char*> rows)
      : Left(left), Top(top), Rows(rows) {}
  bool operator()(double x, double y) const {
    const int row = static_cast<int>(std::floor(y)) - Top;
    const int column = static_cast<int>(std::floor(x)) - Left;
    if (row < 0 || row >= static_cast<int>(Rows.size()) || column < 0) return false;
    for (int i = 0; i <= column; ++i)
      if (Rows[row][i] == '\0') return false;
    return Rows[row][column] == 'X';
  }
};

template <class A, class B>
struct Without {
  A Shape;
  B Hole;
  bool operator()(double x, double y) const { return Shape(x, y) && !Hole(x, y); }
};
template <class A, class B>
Without<A, B> Minus(A shape, B hole) {
  return {shape, hole};
}

template <class A, class B>
struct Both {
  A First;
  B Second;
  bool operator()(double x, double y) const { return First(x, y) && Second(x, y); }
};
template <class A, class B>
Both<A, B> Intersect(A first, B second) {
  return {first, second};
}

template <class A, class B>
struct Either {
  A First;
  B Second;
  bool operator()(double x, double y) const { return First(x, y) || Second(x, y); }
};
template <class A, class B>
Either<A, B> Union(A first, B second) {
  return {first, second};
}

// Moved by (dx, dy).
template <class A>
struct Moved {
  A Shape;
  double Dx = 0;
  double Dy = 0;
  bool operator()(double x, double y) const { return Shape(x - Dx, y - Dy); }
};
template <class A>
Moved<A> Shift(A shape, double dx, double dy) {
  return {shape, dx, dy};
}

}  // namespace au::art
