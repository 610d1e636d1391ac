// Odraz: entry point.
#include "shell/startup.h"

#include <allegro.h>

int main(int argc, char** argv)
{
    return hlavni(argc, argv);
}
END_OF_MAIN()
