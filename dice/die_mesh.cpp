#include "dice/die_mesh.h"

#include <array>
#include <vector>

#include "dice/gl_headers.h"
#include "dice/zarnik.h"

namespace {

using TVec = std::array<float, 3>;

constexpr float kFaceSpan = 0.86f;
constexpr float kEdgeNormal = 0.93f;
constexpr float kPipLift = 1.02f;

struct TPolygon {
  TVec Normal;
  std::vector<TVec> Points;
};

// A face's axis (0 X, 1 Y, 2 Z) and side (+1 or -1).
struct TFaceAxis {
  int Axis;
  float Side;
};

TVec OnAxes(int axis, float value, int axisU, float u, int axisV, float v) {
  TVec point{};
  point[axis] = value;
  point[axisU] = u;
  point[axisV] = v;
  return point;
}

// The two in-plane axes of a face, in the order X, Y, Z with the face's own axis left out.
std::array<int, 2> InPlaneAxes(int axis) {
  if (axis == 0) return {1, 2};
  if (axis == 1) return {0, 2};
  return {0, 1};
}

std::vector<TPolygon> MakeFaces() {
  // -Z, +Z, +X, -X, -Y, +Y
  constexpr std::array<TFaceAxis, 6> kOrder{{{2, -1}, {2, 1}, {0, 1}, {0, -1}, {1, -1}, {1, 1}}};
  std::vector<TPolygon> faces;
  for (const TFaceAxis& face : kOrder) {
    const auto [u, v] = InPlaneAxes(face.Axis);
    TPolygon quad;
    quad.Normal = OnAxes(face.Axis, face.Side, u, 0, v, 0);
    const float s = kFaceSpan;
    quad.Points = {OnAxes(face.Axis, face.Side, u, -s, v, -s), OnAxes(face.Axis, face.Side, u, s, v, -s),
                   OnAxes(face.Axis, face.Side, u, s, v, s), OnAxes(face.Axis, face.Side, u, -s, v, s)};
    faces.push_back(quad);
  }
  return faces;
}

// Each edge joins the border of face (a, sa) with that of face (b, sb), along axis c.
std::vector<TPolygon> MakeEdges() {
  std::vector<TPolygon> edges;
  constexpr std::array<std::array<int, 3>, 3> kAxes{{{2, 1, 0}, {2, 0, 1}, {0, 1, 2}}};
  for (const auto& [a, b, c] : kAxes) {
    for (float sa : {-1.0f, 1.0f}) {
      for (float sb : {-1.0f, 1.0f}) {
        TPolygon quad;
        quad.Normal = OnAxes(a, kEdgeNormal * sa, b, kEdgeNormal * sb, c, 0);
        quad.Points = {OnAxes(a, sa, b, kFaceSpan * sb, c, -kFaceSpan), OnAxes(a, sa, b, kFaceSpan * sb, c, kFaceSpan),
                       OnAxes(a, kFaceSpan * sa, b, sb, c, kFaceSpan), OnAxes(a, kFaceSpan * sa, b, sb, c, -kFaceSpan)};
        edges.push_back(quad);
      }
    }
  }
  return edges;
}

std::vector<TPolygon> MakeCorners() {
  std::vector<TPolygon> corners;
  for (float sx : {-1.0f, 1.0f}) {
    for (float sy : {-1.0f, 1.0f}) {
      for (float sz : {-1.0f, 1.0f}) {
        const float s = kFaceSpan;
        corners.push_back({{sx, sy, sz}, {{s * sx, sy, s * sz}, {s * sx, s * sy, sz}, {sx, s * sy, s * sz}}});
      }
    }
  }
  return corners;
}

struct TPipFace {
  TFaceAxis Face;
  std::vector<std::array<float, 2>> Centres;
};

// Fans: the centre, eight rim points and the first rim point again.
std::vector<TPolygon> MakePips() {
  const std::vector<TPipFace> kPips{
      {{1, -1}, {{-0.5f, -0.5f}, {-0.5f, 0.5f}, {0.5f, -0.5f}, {0.5f, 0.5f}}},                   // 4
      {{0, 1}, {{0.5f, 0.5f}, {-0.5f, -0.5f}}},                                                  // 2
      {{1, 1}, {{0, 0}, {-0.5f, -0.5f}, {0.5f, 0.5f}}},                                          // 3
      {{2, -1}, {{-0.5f, -0.5f}, {-0.5f, 0}, {-0.5f, 0.5f}, {0.5f, -0.5f}, {0.5f, 0}, {0.5f, 0.5f}}},  // 6
      {{2, 1}, {{0, 0}}},                                                                        // 1
      {{0, -1}, {{0.5f, 0.5f}, {-0.5f, -0.5f}, {-0.5f, 0.5f}, {0.5f, -0.5f}, {0, 0}}},           // 5
  };
  constexpr std::array<std::array<float, 2>, 8> kRim{
      {{-0.05f, 0.1f}, {-0.1f, 0.05f}, {-0.1f, -0.05f}, {-0.05f, -0.1f}, {0.05f, -0.1f}, {0.1f, -0.05f},
       {0.1f, 0.05f}, {0.05f, 0.1f}}};
  std::vector<TPolygon> pips;
  for (const TPipFace& face : kPips) {
    const auto [u, v] = InPlaneAxes(face.Face.Axis);
    const float lift = kPipLift * face.Face.Side;
    for (const auto& [cu, cv] : face.Centres) {
      TPolygon fan;
      fan.Normal = OnAxes(face.Face.Axis, lift, u, 0, v, 0);
      fan.Points.push_back(OnAxes(face.Face.Axis, lift, u, cu, v, cv));
      for (const auto& [du, dv] : kRim) fan.Points.push_back(OnAxes(face.Face.Axis, lift, u, cu + du, v, cv + dv));
      fan.Points.push_back(fan.Points[1]);
      pips.push_back(fan);
    }
  }
  return pips;
}

struct TMesh {
  std::vector<TPolygon> Faces = MakeFaces();
  std::vector<TPolygon> Edges = MakeEdges();
  std::vector<TPolygon> Corners = MakeCorners();
  std::vector<TPolygon> Pips = MakePips();
};

const TMesh& Mesh() {
  static const TMesh mesh;
  return mesh;
}

void DrawPolygons(const std::vector<TPolygon>& polygons, GLenum mode) {
  for (const TPolygon& polygon : polygons) {
    glBegin(mode);
    glNormal3fv(polygon.Normal.data());
    for (const TVec& point : polygon.Points) glVertex3fv(point.data());
    glEnd();
  }
}

}  // namespace

void DrawDieMesh(const TZarnik& die) {
  const TMesh& mesh = Mesh();
  glColor4fv(die.BodyColor.data());
  DrawPolygons(mesh.Faces, GL_QUADS);
  glColor4fv(die.EdgeColor.data());
  DrawPolygons(mesh.Edges, GL_QUADS);
  DrawPolygons(mesh.Corners, GL_TRIANGLES);
  glColor4fv(die.PipColor.data());
  DrawPolygons(mesh.Pips, GL_TRIANGLE_FAN);
}
