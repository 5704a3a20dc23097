// Assimp-backed reader of the game's mesh files for the asset tests.
// Undoes the importer's z mirror so tests speak in the files' own coordinates.
#include "tests/assets/x_scene.hpp"

#include <algorithm>
#include <functional>

namespace ursa::assets_test {

void Box::Add(const aiVector3D& p) {
  const float c[3] = {p.x, p.y, p.z};
  for (int k = 0; k < 3; ++k) {
    lo[k] = std::min(lo[k], c[k]);
    hi[k] = std::max(hi[k], c[k]);
  }
}

std::string AssetPath(const std::string& name) { return std::string(URSA_ASSETS_DIR) + "/" + name; }

XScene::XScene(const std::string& path) {
  scene_ = importer_.ReadFile(path, 0);
  if (!scene_) {
    error_ = importer_.GetErrorString();
  }
}

const aiNode* XScene::Node(const std::string& name) const {
  return scene_->mRootNode->FindNode(name.c_str());
}

aiMatrix4x4 XScene::KeyTransform(const std::string& frame, int time) const {
  for (unsigned a = 0; a < scene_->mNumAnimations; ++a) {
    const aiAnimation* anim = scene_->mAnimations[a];
    for (unsigned c = 0; c < anim->mNumChannels; ++c) {
      const aiNodeAnim* ch = anim->mChannels[c];
      if (frame != ch->mNodeName.C_Str()) {
        continue;
      }
      aiVector3D position;
      aiVector3D scale(1, 1, 1);
      aiQuaternion rotation;
      for (unsigned k = 0; k < ch->mNumPositionKeys; ++k) {
        if (ch->mPositionKeys[k].mTime == time) {
          position = ch->mPositionKeys[k].mValue;
        }
      }
      for (unsigned k = 0; k < ch->mNumRotationKeys; ++k) {
        if (ch->mRotationKeys[k].mTime == time) {
          rotation = ch->mRotationKeys[k].mValue;
        }
      }
      for (unsigned k = 0; k < ch->mNumScalingKeys; ++k) {
        if (ch->mScalingKeys[k].mTime == time) {
          scale = ch->mScalingKeys[k].mValue;
        }
      }
      return aiMatrix4x4(scale, rotation, position);
    }
  }
  return Node(frame)->mTransformation;
}

aiMatrix4x4 XScene::Local(const aiNode* node, int time) const {
  return time < 0 ? node->mTransformation : KeyTransform(node->mName.C_Str(), time);
}

aiMatrix4x4 XScene::Global(const aiNode* node, int time) const {
  aiMatrix4x4 m = Local(node, time);
  for (const aiNode* p = node->mParent; p; p = p->mParent) {
    m = Local(p, time) * m;
  }
  return m;
}

namespace {
aiVector3D ToFileSpace(aiVector3D v) { return {v.x, v.y, -v.z}; }
}  // namespace

std::vector<WorldTriangle> XScene::Triangles(int time) const {
  std::vector<WorldTriangle> result;
  std::function<void(const aiNode*)> visit = [&](const aiNode* node) {
    const aiMatrix4x4 m = Global(node, time);
    aiMatrix3x3 rotation(m);
    for (unsigned i = 0; i < node->mNumMeshes; ++i) {
      const aiMesh* mesh = scene_->mMeshes[node->mMeshes[i]];
      for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
        const aiFace& face = mesh->mFaces[f];
        if (face.mNumIndices != 3) {
          continue;
        }
        WorldTriangle t;
        // The importer mirrored z and reversed the winding; undo both.
        for (int k = 0; k < 3; ++k) {
          const unsigned idx = face.mIndices[2 - k];
          t.corners[k] = ToFileSpace(m * mesh->mVertices[idx]);
          t.normals[k] = ToFileSpace(rotation * mesh->mNormals[idx]);
        }
        result.push_back(t);
      }
    }
    for (unsigned c = 0; c < node->mNumChildren; ++c) {
      visit(node->mChildren[c]);
    }
  };
  visit(scene_->mRootNode);
  return result;
}

Box XScene::Bounds(int time) const {
  Box box;
  for (const WorldTriangle& t : Triangles(time)) {
    for (const aiVector3D& p : t.corners) {
      box.Add(p);
    }
  }
  return box;
}

aiVector3D XScene::PointInFrame(const std::string& frame, aiVector3D local, int time) const {
  // `local` is in file space; the importer's frames work in mirrored z.
  const aiVector3D mirrored{local.x, local.y, -local.z};
  return ToFileSpace(Global(Node(frame), time) * mirrored);
}

}  // namespace ursa::assets_test
