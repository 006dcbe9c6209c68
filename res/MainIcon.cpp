#include "ResourceTables.h"

#include "resource.h"

// The pictures are XPM, which is C: each file defines one array of lines.
#include "icon128_16.xpm"
#include "icon128_32.xpm"

namespace {

constexpr IconImage kImages[] = {
    {16, icon128_16},
    {32, icon128_32},
};

}  // namespace

constinit const IconTemplate g_mainIconTemplate{IDR_MAINFRAME, kImages};
