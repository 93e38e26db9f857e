#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace bilobe {

// A point of the solid in mm, in the single precision an STL file keeps:
// x across from the centre line, y up from the level line, z along the
// fuselage from the nose.
struct Point3 {
  float x = 0;
  float y = 0;
  float z = 0;
  bool operator==(const Point3&) const = default;
};

using Triangle = std::array<std::uint32_t, 3>; // corners counter-clockwise seen from outside

// A closed triangle mesh: its corners are shared, so that two triangles meet
// on exactly the same points.
struct Maillage {
  std::vector<Point3> sommets;
  std::vector<Triangle> triangles;
};

// The outward unit normal of a triangle, from the order of its corners.
std::array<double, 3> normale(const Maillage& maillage, const Triangle& triangle);

// The volume the mesh encloses, in mm³ (divergence theorem): negative when
// its triangles face inward.
double volume(const Maillage& maillage);

// Each triangle's corners distinct once in single precision and not all on
// one line: an STL reader drops any other as degenerate.
bool sans_triangle_degenere(const Maillage& maillage);

} // namespace bilobe
