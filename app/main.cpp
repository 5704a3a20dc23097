// Ursa: a small 3D platform game. Starts the window at the title screen and plays until
// the player quits; any failure ends in one clear message and a non-zero exit status.
#include <exception>
#include <string>

#include "app/game_window.hpp"
#include "toolkit/fatal.hpp"
#include "view/asset_error.hpp"
#include "view/rm/rm.hpp"

int main() {
  try {
    ursa::GameWindow window;
    window.Run();
  } catch (const ursa::view::AssetError& e) {
    ursa::tk::Fatal(e.what());
  } catch (const ursa::rm::Error& e) {
    ursa::tk::Fatal(std::string("3D rendering failed: ") + e.what());
  } catch (const ursa::tk::Error& e) {
    ursa::tk::Fatal(e.what());
  } catch (const std::exception& e) {
    ursa::tk::Fatal(std::string("unexpected error: ") + e.what());
  }
  return 0;
}
