// The restart manager's restart: an installer that must replace a file the
// panel holds (the capture hook library, say) closes the panel with the
// restart manager and starts it again when it is done; the target kept at
// that exit then brings the capture back to where it was.
#pragma once

namespace nolb {

// Registers the running panel for that restart, with no command line (a
// plain start). Not after a crash or a hang: the panel would start again
// into the same trouble, and a start switches the encoder to the desktop
// rectangle. Windows restarts only a program that ran for 60 s; a user who
// lets Windows reopen programs after signing in gets the panel back then
// too. A failure changes nothing.
void RegisterRestartAfterUpdate();

}  // namespace nolb
