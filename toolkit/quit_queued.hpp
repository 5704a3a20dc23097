// Whether a quit is waiting in the window's event queue (SIGTERM, SIGINT, SIGHUP or the
// window's close), asked without taking any event out, for work that cannot pump events.
#pragma once

namespace ursa::tk {

// Gathers pending events into the queue and tells whether a quit is among them; the quit
// stays queued for the event pump. Call on the thread that made the window.
bool QuitQueued();

}  // namespace ursa::tk
