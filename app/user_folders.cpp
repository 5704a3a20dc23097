// The player's folders from the environment, as the XDG base directories define them:
// a relative XDG_CONFIG_HOME, XDG_DATA_HOME or XDG_PICTURES_DIR is ignored.
#include "app/user_folders.hpp"

#include <cstdlib>

namespace ursa {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string AbsoluteEnv(const char* name) {
  const std::string value = Env(name);
  return !value.empty() && value[0] == '/' ? value : "";
}

}  // namespace

std::string HomeFolder() { return Env("HOME"); }

std::string ConfigFolder() {
  const std::string config = AbsoluteEnv("XDG_CONFIG_HOME");
  if (!config.empty()) return config;
  const std::string home = HomeFolder();
  return home.empty() ? "" : home + "/.config";
}

std::string DataFolder() {
  const std::string data = AbsoluteEnv("XDG_DATA_HOME");
  if (!data.empty()) return data;
  const std::string home = HomeFolder();
  return home.empty() ? "" : home + "/.local/share";
}

// Set in the environment, it is the player's choice for this session: it comes before what
// user-dirs.dirs says.
std::string PicturesFolderFromEnvironment() { return AbsoluteEnv("XDG_PICTURES_DIR"); }

}  // namespace ursa
