// The process-wide scene change count. All objects share it: an edit anywhere makes every
// viewport draw again, which is never wrong, only sometimes more than needed.
#include "view/rm/scene_changes.hpp"

namespace ursa::rm {
namespace {

uint64_t changes = 0;

}  // namespace

uint64_t SceneChangeCount() { return changes; }

void CountSceneChange() { ++changes; }

}  // namespace ursa::rm
