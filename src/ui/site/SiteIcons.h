// Icons of the Site dock's files: the desktop theme's where it has them, else icons drawn
// here, so that pages, images, style sheets and scripts always look different.
#pragma once

#include "core/site/SiteFolder.h"

#include <QIcon>

namespace velto {

[[nodiscard]] QIcon SiteFileIcon(SiteFileKind kind);
// The drawn icon alone, whatever the theme holds.
[[nodiscard]] QIcon DrawnSiteFileIcon(SiteFileKind kind);

} // namespace velto
