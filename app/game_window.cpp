// GameWindow: start-up, keyboard and shutdown of the game's window.
// A whole game runs inside the Enter key's event; the rules decide what every key does.
#include "app/game_window.hpp"

#include "view/scene_build.hpp"
#include "view/screen_picture.hpp"
#include "view/screens.hpp"

namespace ursa {

GameWindow::GameWindow(const tk::FormOptions& options) : form_(options) {
  const std::span<const std::byte> picture = view::ScreenPictureBmp();
  form_.Image1().LoadFromMemory(picture.data(), picture.size());
  form_.SetIcon(form_.AppPath() + "/icon.bmp");
  form_.SetEvents(this);
}

void GameWindow::Run() { form_.Run(); }

void GameWindow::Load() {
  game_.state.stage = 1;
  game_.state.missCount = 0;
  if (!handles_.dxRoot) handles_.dxRoot = rm::CreateDirectXRoot(display_);
  handles_.ddraw = handles_.dxRoot->DirectDrawCreate("");
  handles_.ddraw->SetDisplayMode(640, 480, 16, 0, 0);
  view::CheckMeshFiles(handles_, form_.AppPath());
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
