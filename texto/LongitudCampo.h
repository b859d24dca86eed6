// The most characters an edit field of the windows holds: a longer text set into one is cut
// there. Texts read for the fields are cut the same way wherever they are read, so that the
// windows and the command-line tool see the same values.
#pragma once

inline constexpr int LongitudMaximaCampo = 32767;
