#pragma once

// Screen readers hear a top-level window without an accessible class of its
// own (the program's forms, the recorder) as a plain pane; once installed,
// such a window is announced as a window named by its title. Call once the
// application exists.
void installWindowAccessibility();
