// The browser's window is the page's canvas: no X window to ask full screen for before it is
// shown, none another client could destroy, no connection to lose.
#include "toolkit/x11_window.hpp"

namespace ursa::tk {

void AskFullscreenWhenShown(SDL_Window* /*window*/) {}

XWindowWatch::XWindowWatch() = default;
XWindowWatch::~XWindowWatch() = default;
void XWindowWatch::Watch(SDL_Window* /*window*/) {}
void XWindowWatch::See(const SDL_Event& /*event*/) const {}
bool XWindowWatch::TakeGone() { return false; }
bool XWindowWatch::Gone() const { return false; }
bool XWindowWatch::StillThere() { return true; }
void XWindowWatch::BeforeDestroy() {}
void XWindowWatch::OnConnectionLost(std::function<void()> /*lastWords*/) const {}

}  // namespace ursa::tk
