// The manual page of quelmar-cli, written in roff from the same help that --help shows.
#pragma once

#include <QString>

// The page's source, to be written in UTF-8, which man reads in any locale.
QString PaginaManual();
