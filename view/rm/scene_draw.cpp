// The render pass: one walk over the tree for lights and visuals, then the draws.
// A mirroring transform turns the winding round, so its front faces are flipped back here.
#include "view/rm/scene_draw.hpp"

#include <epoxy/gl.h>

#include <vector>

#include "view/rm/gouraud_shader.hpp"
#include "view/rm/gpu_mesh.hpp"
#include "view/rm/light.hpp"
#include "view/rm/mesh_builder.hpp"

namespace ursa::rm {
namespace {

struct Visual {
  MeshBuilder* mesh;
  Mat4 world;
};

void Gather(Frame& frame, const Mat4& parentWorld, SceneLights& lights,
            std::vector<Visual>& visuals) {
  const Mat4 world = parentWorld * frame.Transform();
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
  for (const MeshBuilderPtr& mesh : frame.Visuals()) {
    if (!mesh->Parts().empty()) visuals.push_back({mesh.get(), world});
  }
  for (const FramePtr& child : frame.Children()) Gather(*child, world, lights, visuals);
}

}  // namespace

void DrawScene(GlContext& context, Frame& scene, const Mat4& view, const Mat4& projection,
               Vec3 eye, const char* operation) {
  SceneLights lights;
  std::vector<Visual> visuals;
  const FramePtr parent = scene.Parent();
  Gather(scene, parent ? parent->WorldTransform() : Mat4{}, lights, visuals);

  const GouraudShader& shader = context.Shader(operation);
  shader.Bind();
  shader.SetCamera(projection * view, eye);
  shader.SetLights(lights);
  for (const Visual& visual : visuals) {
    const GpuMesh& gpu = visual.mesh->Gpu();
    shader.SetModel(visual.world);
    // Files keep clockwise fronts; a mirroring frame shows them counter-clockwise.
    glFrontFace(Determinant3(visual.world) < 0.0F ? GL_CCW : GL_CW);
    gpu.Bind();
    const auto& parts = visual.mesh->Parts();
    for (size_t i = 0; i < parts.size(); ++i) {
      shader.SetMaterial(parts[i].material, parts[i].hasVertexColors);
      gpu.DrawRange(gpu.Ranges()[i]);
    }
  }
  glBindVertexArray(0);
  glUseProgram(0);
  glFrontFace(GL_CCW);
}

}  // namespace ursa::rm
