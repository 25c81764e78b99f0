// quillary-clip: keeps the text Quillary copied on the X clipboard once Quillary has ended, where
// nothing else would. Started by the program at its first copy, with the program's X resource id
// base and mask as arguments, it connects to the X server and waits; at the program's end the
// copied text (UTF-8) comes on standard input, and it writes one byte to standard output once the
// clipboard is its own, so that the program may go; given no text, it ends. Then it hands the text
// to a clipboard manager that takes it, or leaves it to a desktop that keeps the clipboard itself,
// or serves it until another program copies (or for 8 hours).
// Usage: quillary-clip BASE MASK < text
#include "clipboard/OneArgument.h"
#include "clipboard/keeper/Keeper.h"

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// The keeper holds nothing but its text: a longer one is not kept (the longest entry of the
// shipped dictionary is 22 KB).
constexpr size_t MostText = 1 << 20;
constexpr auto ForManager = std::chrono::milliseconds(200);
// A desktop that watches the clipboard (klipper, mutter through XWayland) fetches a new owner's
// text at once, and takes the clipboard back at once when it is let go. Something that fetched it
// may also be a paste: the clipboard is then empty until the keeper takes it again.
constexpr auto ForWatcher = std::chrono::milliseconds(500);
constexpr auto ForTakingBack = std::chrono::milliseconds(300);
constexpr auto MostServed = std::chrono::hours(8);

bool readText(std::string& text)
{
    char buffer[16384];
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0 || text.size() + size_t(n) > MostText)
            return false;
        text.append(buffer, size_t(n));
    }
}

// Standard input and output are the program's pipes: once used, they point at /dev/null.
void letGoOf(int fd)
{
    const int null = open("/dev/null", O_RDWR);
    dup2(null, fd);
    close(null);
}

// An X server that goes while the keeper serves takes the copy with it. sway's Xwayland, started
// on demand with -terminate, may end soon after the last window of a client goes. There wl-copy
// keeps the text on the Wayland side, the bridge being gone: the keeper becomes wl-copy.
void toWayland(const std::string& text)
{
    if (!std::getenv("WAYLAND_DISPLAY") || !OneArgument::fits(text))
        return;
    execlp("wl-copy", "wl-copy", "--foreground", "--", text.c_str(), static_cast<char*>(nullptr));
}

Keeper::Next serve(Keeper& keeper)
{
    using Clock = Keeper::Clock;
    using Next = Keeper::Next;
    const auto taken = Clock::now();
    if (keeper.managerPresent()) {
        const Next next = keeper.handOverToManager(taken + ForManager);
        if (next == Next::Saved || next == Next::Lost || next == Next::Closed)
            return next;
    }
    if (const Next next = keeper.serveUntil(taken + ForWatcher); next != Next::TimedOut)
        return next;
    if (keeper.textFetched() && keeper.releaseToDesktop(Clock::now() + ForTakingBack))
        return Next::Lost;
    return keeper.serveUntil(Clock::now() + MostServed);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    // Holds no folder of the program's, and is seen in a task manager as what it is.
    if (chdir("/") != 0)
        return 1;
    prctl(PR_SET_NAME, "quillary-clip", 0, 0, 0);
    Keeper keeper;
    if (!keeper.connect())
        return 1;
    std::string text;
    const bool whole = readText(text);
    letGoOf(STDIN_FILENO);
    if (!whole || text.empty())
        return 1;
    if (!keeper.takeOverFrom(std::move(text), uint32_t(std::strtoul(argv[1], nullptr, 0)),
                             uint32_t(std::strtoul(argv[2], nullptr, 0))))
        return 1;
    const char taken = 'k';
    if (write(STDOUT_FILENO, &taken, 1) != 1)
        return 1;
    letGoOf(STDOUT_FILENO);
    keeper.lookAround();
    if (serve(keeper) == Keeper::Next::Closed)
        toWayland(keeper.text());
    keeper.finish();
    return 0;
}
