#pragma once

// Resource identifiers, shared by Gorvandel.rc and the code that loads the resources: plain
// macros, as the resource compiler reads this file too.
#define GV_APP_ICON 1
