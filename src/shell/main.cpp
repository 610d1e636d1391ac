// Odraz: entry point.
#include "shell/startup.h"

#include <allegro.h>

int main()
{
    return hlavni();
}
END_OF_MAIN()
