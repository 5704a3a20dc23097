// Reading and writing ursa.ini. A write goes to a temporary file beside it that is flushed to
// the disk and then renamed over it, so the file is always either the old one or the new one.
#include "app/settings_file.hpp"

#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>

#include "app/player_file.hpp"
#include "app/settings_text.hpp"
#include "app/user_folders.hpp"
#include "text/player_text.hpp"

namespace ursa {
namespace {

namespace fs = std::filesystem;

// The file's text (empty when there is no file); false when it exists but is refused.
bool ReadText(const fs::path& path, std::string& text, std::string& why) {
  return ReadPlayerFile(path.string(), kMaxSettingsBytes, text, why) != FileRead::kRefused;
}

// The settings files refused when read in this run: the game never writes one of them, since
// what the player keeps there is unknown to it.
class RefusedFiles {
 public:
  void Add(const std::string& path) {
    const std::lock_guard<std::mutex> lock(mutex_);
    paths_.insert(path);
  }
  bool Has(const std::string& path) {
    const std::lock_guard<std::mutex> lock(mutex_);
    return paths_.contains(path);
  }

 private:
  std::mutex mutex_;
  std::set<std::string> paths_;
};

RefusedFiles& Refused() {
  static RefusedFiles files;
  return files;
}

}  // namespace

std::string SettingsPath() {
  const std::string config = ConfigFolder();
  if (config.empty()) return {};
  return (fs::path(config) / "ursa" / "ursa.ini").lexically_normal().string();
}

Settings LoadSettings(const std::string& path, std::FILE* errors) {
  if (path.empty()) return {};
  // What a game killed while saving left beside the file, in the game's own folder.
  ClearStaleWrites(path);
  const std::string said = text::EscapeForMessage(path);
  std::string text;
  std::string why;
  if (!ReadText(path, text, why)) {
    Refused().Add(path);
    std::fprintf(errors,
                 "ursa: cannot read the settings %s (%s); playing with the defaults, and the "
                 "settings will not be saved this run\n",
                 said.c_str(), why.c_str());
    return {};
  }
  const SettingsRead read = ParseSettings(text);
  for (const std::string& problem : read.problems) {
    std::fprintf(errors, "ursa: %s %s; skipped\n", said.c_str(), problem.c_str());
  }
  return read.settings;
}

bool SaveSettings(const std::string& path, const Settings& before, const Settings& after,
                  std::FILE* errors) {
  if (path.empty() || SameSettings(before, after) || Refused().Has(path)) return true;
  const auto fail = [&](const std::string& why) {
    std::fprintf(errors, "ursa: cannot save the settings in %s (%s); they stay as they were\n",
                 text::EscapeForMessage(path).c_str(), why.c_str());
    return false;
  };
  std::error_code error;
  // A settings file that is a link (kept with other dotfiles) is written where it points.
  fs::path target = path;
  if (fs::symlink_status(target, error).type() == fs::file_type::symlink) {
    target = fs::weakly_canonical(target, error);
    if (error) return fail(error.message());
  }
  fs::create_directories(target.parent_path(), error);
  if (error) return fail(error.message());

  std::string text;
  std::string why;
  if (!ReadText(target, text, why)) return fail(why);
  // The file as it is now, so that an edit made while the game ran is kept.
  const std::string updated = fs::exists(target, error) ? UpdatedSettingsText(text, before, after)
                                                        : SettingsFileText(after);
  if (!ReplacePlayerFile(target, updated, why)) return fail(why);
  return true;
}

}  // namespace ursa
