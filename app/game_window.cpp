// GameWindow: start-up, keyboard and shutdown of the game's window.
// A whole game runs inside the Enter key's event; the rules decide what every key does.
#include "app/game_window.hpp"

#include "toolkit/key_codes.hpp"
#include "view/scene_build.hpp"
#include "view/screen_picture.hpp"
#include "view/screens.hpp"

namespace ursa {

// The toolkit's KeyDown and KeyUp carry its own key codes, and this window hands them to the
// rules unchanged. The toolkit knows nothing of the game, so the two vocabularies are held
// together here, where they meet: the same six keys with the same codes.
static_assert(tk::kKeyEnter == kKeyEnter);
static_assert(tk::kKeyEsc == kKeyEsc);
static_assert(tk::kKeySpace == kKeySpace);
static_assert(tk::kKeyLeft == kKeyLeft);
static_assert(tk::kKeyUp == kKeyUp);
static_assert(tk::kKeyRight == kKeyRight);
static_assert(kGameKeys.size() == 6, "a game key the toolkit does not send");

GameWindow::GameWindow(const tk::FormOptions& options, const std::string& dataFolder)
    : form_(options),
      dataFolder_(dataFolder.empty() ? form_.AppPath() : dataFolder),
      host_(form_, handles_, {dataFolder_, &display_, &picture_, &random_}) {
  const std::span<const std::byte> picture = view::ScreenPictureBmp();
  form_.Image1().LoadFromMemory(picture.data(), picture.size());
  form_.SetIcon(dataFolder_ + "/icon.bmp");
  form_.SetEvents(this);
}

void GameWindow::Run() { form_.Run(); }

void GameWindow::Load() {
  game_.state.stage = 1;
  game_.state.missCount = 0;
  if (!handles_.dxRoot) handles_.dxRoot = rm::CreateDirectXRoot(display_);
  handles_.ddraw = handles_.dxRoot->DirectDrawCreate("");
  handles_.ddraw->SetDisplayMode(640, 480, 16, 0, 0);
  view::CheckMeshFiles(handles_, dataFolder_);
  form_.Show();
  form_.DoEvents();
  view::DrawTitleScreen(form_.Canvas(), form_.Image1());
}

void GameWindow::KeyDown(int keyCode) { ursa::KeyDown(game_, host_, keyCode); }

void GameWindow::KeyUp(int keyCode) { ursa::KeyUp(game_, keyCode); }

void GameWindow::QueryUnload() {
  ursa::QueryUnload(game_, host_);
  handles_.ddraw.reset();
}

}  // namespace ursa
