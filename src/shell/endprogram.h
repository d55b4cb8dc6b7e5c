// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kel::shell
{

// Ends the program at once: closes every top-level window (hiding any that declines to
// close) and leaves the event loop with exit code 0. Nothing is asked and nothing is saved.
// Calling it again while it runs (a window's close handler may) does nothing more: `ending`
// is the caller's flag for that.
void endProgram(bool &ending);

} // namespace kel::shell
