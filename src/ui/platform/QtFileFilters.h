// File filters in the form Qt's file dialog reads them.
#pragma once

#include "core/document/FileFilters.h"

#include <QStringList>

namespace velto {

// "Display (pattern pattern)": the dialog reads blank-separated patterns from the last
// parentheses and, with HideNameFilterDetails, shows only the display text. "*.*" means
// every file, also those without a dot.
QStringList QtNameFilters(const std::vector<FileFilter>& filters);

} // namespace velto
