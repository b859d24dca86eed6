// The manual page of quelmar-cli, written in roff from the same help that --help shows.
#pragma once

#include <QString>

// The page's source, in ASCII: every other character is written as a roff escape, so the page
// reads the same in any locale.
QString PaginaManual();
