#include "app/InheritedDescriptors.h"

#include <unistd.h>

void InheritedDescriptors::closeAllBut(int keep)
{
    for (int fd = 0; fd < keep; ++fd) // the new connection's socket took a low number
        close(fd);
    closefrom(keep + 1);
}
