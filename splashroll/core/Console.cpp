#include "Console.h"

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace splashroll {

void clearConsole(std::FILE* out)
{
    if (!isatty(fileno(out)))
        return;
    // Erase in the current colours, then home the cursor.
    std::fputs("\x1b[2J\x1b[H", out);
    std::fflush(out);
}

} // namespace splashroll
