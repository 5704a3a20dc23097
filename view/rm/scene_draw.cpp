// The render pass: one walk over the tree for lights and visuals, then the solid draws nearest
// first and the translucent ones over them. What lies outside the view is skipped (a part of a
// visual on its own); a mirroring transform's front faces are flipped back here.
#include "view/rm/scene_draw.hpp"

#include <algorithm>
#include <vector>

#include "gl/gl_api.hpp"
#include "view/rm/gouraud_shader.hpp"
#include "view/rm/gpu_mesh.hpp"
#include "view/rm/light.hpp"
#include "view/rm/mesh_builder.hpp"

namespace ursa::rm {
namespace {

struct Visual {
  MeshBuilder* mesh;
  Mat4 world;
  float opacity;  // the frames' opacities multiplied down the tree
};

// Whether a sphere of the mesh, carried by modelView (whose largest axis scale is `scale`),
// lies wholly outside the frustum.
bool Outside(const MeshBuilder::Sphere& sphere, const Mat4& modelView, float scale,
             const Frustum& frustum) {
  return frustum.SphereOutside(TransformPoint(modelView, sphere.centre), sphere.radius * scale);
}

float LargestScale(const Mat4& m) {
  return std::max({Length(m.Column(0)), Length(m.Column(1)), Length(m.Column(2))});
}

void Gather(Frame& frame, const Mat4& parentWorld, float parentOpacity, SceneLights& lights,
            std::vector<Visual>& visuals) {
  const Mat4 world = parentWorld * frame.Transform();
  const float opacity = parentOpacity * frame.Opacity();
  for (const LightPtr& light : frame.Lights()) {
    const Color c = light->GetColor();
    if (light->Type() == LightType::kAmbient) {
      lights.ambient = {lights.ambient.r + c.r, lights.ambient.g + c.g, lights.ambient.b + c.b};
    } else if (lights.count < kMaxLights) {
      lights.direction[lights.count] = Normalize(world.Column(2));
      lights.color[lights.count] = c;
      ++lights.count;
    }
  }
  // A wholly transparent frame's meshes are not drawn at all.
  for (const MeshBuilderPtr& mesh : frame.Visuals()) {
    if (!mesh->Parts().empty() && opacity > 0.0F) visuals.push_back({mesh.get(), world, opacity});
  }
  for (const FramePtr& child : frame.Children()) Gather(*child, world, opacity, lights, visuals);
}

// A visual the frustum can see, with its transform into view space and that transform's
// largest axis scale, by which its spheres' radii grow.
struct Seen {
  const Visual* visual;
  Mat4 modelView;
  float scale;
  float depth;  // of its bounding sphere's centre
};

// The visuals the frustum can see, nearest first (by the centre of their bounding spheres),
// so that the depth test turns away most of what lies behind.
std::vector<Seen> VisibleNearestFirst(const std::vector<Visual>& visuals, const Mat4& view,
                                      const Frustum& frustum) {
  std::vector<Seen> seen;
  seen.reserve(visuals.size());
  for (const Visual& visual : visuals) {
    const Mat4 modelView = view * visual.world;
    const MeshBuilder::Sphere& sphere = visual.mesh->BoundingSphere();
    const float scale = LargestScale(modelView);
    if (Outside(sphere, modelView, scale, frustum)) continue;
    seen.push_back({&visual, modelView, scale, TransformPoint(modelView, sphere.centre).z});
  }
  std::stable_sort(seen.begin(), seen.end(),
                   [](const Seen& a, const Seen& b) { return a.depth < b.depth; });
  return seen;
}

// Draws the visual's parts the frustum can see, in their colours or (for depth alone) without;
// 1 when it drew any, else 0.
int DrawVisual(const GouraudShader& shader, const Seen& seen, const Frustum& frustum,
               bool colored) {
  const Visual& visual = *seen.visual;
  const GpuMesh& gpu = visual.mesh->Gpu();
  const auto& parts = visual.mesh->Parts();
  const auto& spheres = visual.mesh->PartSpheres();
  bool bound = false;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (parts.size() > 1 && Outside(spheres[i], seen.modelView, seen.scale, frustum)) continue;
    if (!bound) {
      shader.SetModel(visual.world);
      // Files keep clockwise fronts; a mirroring frame shows them counter-clockwise.
      glFrontFace(Determinant3(visual.world) < 0.0F ? GL_CCW : GL_CW);
      gpu.Bind();
      bound = true;
    }
    if (colored) shader.SetMaterial(parts[i].material, parts[i].hasVertexColors);
    gpu.DrawRange(gpu.Ranges()[i]);
  }
  return bound ? 1 : 0;
}

// The translucent visuals make one see-through layer over the solid picture: their depth first,
// so that only the nearest of their surfaces is coloured, then that surface blended over what
// lies behind it. Pushed back by the least depth step, a surface lying on a solid one stays
// behind it. The picture's alpha stays solid.
int DrawTranslucent(GouraudShader& shader, const std::vector<Seen>& seen, const Frustum& frustum) {
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
  glEnable(GL_POLYGON_OFFSET_FILL);
  glPolygonOffset(0.0F, 1.0F);
  for (const Seen& visual : seen) {
    if (visual.visual->opacity < 1.0F) DrawVisual(shader, visual, frustum, false);
  }
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glDepthFunc(GL_LEQUAL);
  glEnable(GL_BLEND);
  glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ZERO, GL_ONE);
  int drawn = 0;
  for (const Seen& visual : seen) {
    if (visual.visual->opacity >= 1.0F) continue;
    shader.SetOpacity(visual.visual->opacity);
    drawn += DrawVisual(shader, visual, frustum, true);
  }
  // Off again, as every other pass draws without it.
  glDisable(GL_POLYGON_OFFSET_FILL);
  return drawn;
}

}  // namespace

int DrawScene(GlContext& context, Frame& scene, const Mat4& view, const Mat4& projection,
              const Frustum& frustum, Vec3 eye, const char* operation) {
  SceneLights lights;
  std::vector<Visual> visuals;
  const FramePtr parent = scene.Parent();
  Gather(scene, parent ? parent->WorldTransform() : Mat4{}, 1.0F, lights, visuals);

  GouraudShader& shader = context.Shader(operation, lights.count);
  shader.Bind();
  shader.SetCamera(projection * view, eye);
  shader.SetLights(lights);
  shader.SetOpacity(1.0F);
  const std::vector<Seen> seen = VisibleNearestFirst(visuals, view, frustum);
  int drawn = 0;
  bool translucent = false;
  for (const Seen& visual : seen) {
    if (visual.visual->opacity < 1.0F) {
      translucent = true;
    } else {
      drawn += DrawVisual(shader, visual, frustum, true);
    }
  }
  return translucent ? drawn + DrawTranslucent(shader, seen, frustum) : drawn;
}

}  // namespace ursa::rm
