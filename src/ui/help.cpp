// The help page.
#include "ui/help.h"

void napoveda() {}
