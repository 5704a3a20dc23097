// The player's folders from the environment, as the XDG base directories define them:
// a relative XDG_CONFIG_HOME is ignored.
#include "app/user_folders.hpp"

#include <cstdlib>

namespace ursa {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::string HomeFolder() { return Env("HOME"); }

std::string ConfigFolder() {
  const std::string config = Env("XDG_CONFIG_HOME");
  if (!config.empty() && config[0] == '/') return config;
  const std::string home = HomeFolder();
  return home.empty() ? "" : home + "/.config";
}

}  // namespace ursa
