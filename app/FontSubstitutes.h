#pragma once

// The faces the screens ask for (Times New Roman, Arial, MS Sans Serif) are
// Windows' own. Where the system lacks them, or has them only as bitmaps,
// faces of the same metrics stand in, so that texts break into lines where the
// screen designs expect them to.
namespace FontSubstitutes {

// Registers the stand-ins with the toolkit; before any screen is made.
void install();

} // namespace FontSubstitutes
