// Text mesh file writer: frames, meshes, normals, vertex colours, materials, animation keys.
// Numbers are printed with four decimals and never as "-0.0000".
#include "tools/meshgen/xfile_writer.hpp"

#include <cstdio>

namespace ursa::meshgen {
namespace {

std::string Num(float value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.4f", static_cast<double>(value));
  std::string s = buffer;
  if (s == "-0.0000") {
    s = "0.0000";
  }
  return s;
}

class Writer {
 public:
  std::string Finish() { return std::move(out_); }

  void Line(int depth, const std::string& text) {
    out_.append(static_cast<size_t>(depth) * 2, ' ');
    out_ += text;
    out_ += '\n';
  }

  void Matrix(int depth, const Mat4& m) {
    std::string line;
    for (int i = 0; i < 16; ++i) {
      line += Num(m.m[i]) + (i == 15 ? ";;" : ",");
    }
    Line(depth, line);
  }

  void WriteFrame(int depth, const Frame& frame) {
    Line(depth, "Frame " + frame.name + " {");
    Line(depth + 1, "FrameTransformMatrix {");
    Matrix(depth + 2, frame.transform);
    Line(depth + 1, "}");
    for (Mesh mesh : frame.meshes) {
      mesh.PruneMaterials();
      WriteMesh(depth + 1, mesh);
    }
    for (const Frame& child : frame.children) {
      WriteFrame(depth + 1, child);
    }
    Line(depth, "}");
  }

  void WriteMesh(int depth, const Mesh& mesh) {
    const auto& vertices = mesh.Vertices();
    const auto& triangles = mesh.Triangles();
    const size_t nv = vertices.size();
    const size_t nt = triangles.size();
    auto end = [](size_t i, size_t n) { return i + 1 == n ? ";" : ","; };
    Line(depth, "Mesh " + mesh.Name() + " {");
    Line(depth + 1, std::to_string(nv) + ";");
    for (size_t i = 0; i < nv; ++i) {
      const Vec3 p = vertices[i].position;
      Line(depth + 1, Num(p.x) + ";" + Num(p.y) + ";" + Num(p.z) + ";" + end(i, nv));
    }
    Faces(depth + 1, triangles);
    Line(depth + 1, "MeshNormals {");
    Line(depth + 2, std::to_string(nv) + ";");
    for (size_t i = 0; i < nv; ++i) {
      const Vec3 n = vertices[i].normal;
      Line(depth + 2, Num(n.x) + ";" + Num(n.y) + ";" + Num(n.z) + ";" + end(i, nv));
    }
    Faces(depth + 2, triangles);
    Line(depth + 1, "}");
    if (mesh.VertexColors()) {
      Line(depth + 1, "MeshVertexColors {");
      Line(depth + 2, std::to_string(nv) + ";");
      for (size_t i = 0; i < nv; ++i) {
        const Rgba c = vertices[i].color;
        Line(depth + 2, std::to_string(i) + ";" + Num(c.r) + ";" + Num(c.g) + ";" + Num(c.b) + ";" +
                            Num(c.a) + ";;" + end(i, nv));
      }
      Line(depth + 1, "}");
    }
    Line(depth + 1, "MeshMaterialList {");
    Line(depth + 2, std::to_string(mesh.Materials().size()) + ";");
    Line(depth + 2, std::to_string(nt) + ";");
    for (size_t i = 0; i < nt; ++i) {
      Line(depth + 2, std::to_string(triangles[i].material) + (i + 1 == nt ? ";;" : ","));
    }
    for (const Material& m : mesh.Materials()) {
      Line(depth + 2, "Material {");
      Line(depth + 3,
           Num(m.face.r) + ";" + Num(m.face.g) + ";" + Num(m.face.b) + ";" + Num(m.face.a) + ";;");
      Line(depth + 3, Num(m.power) + ";");
      Line(depth + 3, Num(m.specular.x) + ";" + Num(m.specular.y) + ";" + Num(m.specular.z) + ";;");
      Line(depth + 3, Num(m.emissive.x) + ";" + Num(m.emissive.y) + ";" + Num(m.emissive.z) + ";;");
      Line(depth + 2, "}");
    }
    Line(depth + 1, "}");
    Line(depth, "}");
  }

  void Faces(int depth, const std::vector<Triangle>& triangles) {
    const size_t nt = triangles.size();
    Line(depth, std::to_string(nt) + ";");
    for (size_t i = 0; i < nt; ++i) {
      const Triangle& t = triangles[i];
      Line(depth, "3;" + std::to_string(t.a) + "," + std::to_string(t.b) + "," +
                      std::to_string(t.c) + ";" + (i + 1 == nt ? ";" : ","));
    }
  }

  void WriteAnimation(const AnimationSet& set) {
    Line(0, "AnimTicksPerSecond {");
    Line(1, std::to_string(set.ticksPerSecond) + ";");
    Line(0, "}");
    Line(0, "AnimationSet " + set.name + " {");
    for (const AnimationTrack& track : set.tracks) {
      Line(1, "Animation {");
      Line(2, "{ " + track.frame + " }");
      Line(2, "AnimationKey {");
      Line(3, "4;");  // full transformation matrices
      Line(3, std::to_string(track.keys.size()) + ";");
      for (size_t t = 0; t < track.keys.size(); ++t) {
        std::string line = std::to_string(t) + ";16;";
        for (int i = 0; i < 16; ++i) {
          line += Num(track.keys[t].m[i]) + (i == 15 ? ";;" : ",");
        }
        Line(3, line + (t + 1 == track.keys.size() ? ";" : ","));
      }
      Line(2, "}");
      Line(1, "}");
    }
    Line(0, "}");
  }

 private:
  std::string out_;
};

}  // namespace

std::string WriteXFile(const Model& model) {
  Writer w;
  w.Line(0, "xof 0303txt 0032");
  for (const Frame& frame : model.frames) {
    w.WriteFrame(0, frame);
  }
  if (model.animation) {
    w.WriteAnimation(*model.animation);
  }
  return w.Finish();
}

}  // namespace ursa::meshgen
