#pragma once

// Qt's messages are held back while the application connects to the display.
// Without a display Qt would print several English lines and abort; the run
// prints one line instead, in the language of the translators installed when
// this is called, and ends with status 1.
void holdStartupMessages();

// The application has started: the messages held go out, each once, and the
// later ones as they come.
void releaseStartupMessages();
