#pragma once
// Tells a watching process when the first complete list has reached the
// screen: the start-up benchmark names an event in the environment variable
// TARVELO_FIRST_PAINT_EVENT and waits for it. Without the variable nothing
// happens beyond one lookup.
namespace tarvelo::platform {

// The list's back buffer was painted; `complete` when it shows a complete
// listing.
void noteListBufferPainted(bool complete);
// The back buffer was copied to the screen.
void noteListShown();

}  // namespace tarvelo::platform
