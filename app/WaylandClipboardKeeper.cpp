#include "app/WaylandClipboardKeeper.h"

#include <QFile>
#include <QStandardPaths>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <wayland-client.h>

extern char** environ;

namespace {

// wl-copy of Debian 12 knows wlr-data-control only; with ext-data-control alone it would still
// need a window of its own.
void onGlobal(void* offered, wl_registry*, uint32_t, const char* interface, uint32_t)
{
    if (std::strcmp(interface, "zwlr_data_control_manager_v1") == 0)
        *static_cast<bool*>(offered) = true;
}

void onGlobalRemoved(void*, wl_registry*, uint32_t) {}

// Started in a session of its own, with nothing of the program's open but /dev/null as its
// standard streams; the program does not wait for it.
bool startWlCopy(const QByteArray& text)
{
    const QString found = QStandardPaths::findExecutable(QStringLiteral("wl-copy"));
    if (found.isEmpty())
        return false;
    const QByteArray path = QFile::encodeName(found);
    // As an argument the text stays in memory: given on standard input, wl-copy keeps it in a file.
    char* argv[] = {const_cast<char*>("wl-copy"), const_cast<char*>("--foreground"),
                    const_cast<char*>("--"), const_cast<char*>(text.constData()), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDWR, 0);
    posix_spawn_file_actions_adddup2(&actions, 0, 1);
    posix_spawn_file_actions_adddup2(&actions, 0, 2);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const bool started =
        posix_spawn(&pid, path.constData(), &actions, &attributes, argv, environ) == 0;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return started;
}

} // namespace

bool WaylandClipboardKeeper::compositorOffersDataControl()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return false;
    static const wl_registry_listener listener{onGlobal, onGlobalRemoved};
    bool offered = false;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered;
}

bool WaylandClipboardKeeper::keep(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    // One argument carries the text (the kernel's MAX_ARG_STRLEN, its NUL included); a NUL would
    // end it early. Either way nothing is handed over rather than a text cut short.
    constexpr qsizetype MostInOneArgument = 32 * 4096;
    return utf8.size() < MostInOneArgument && !utf8.contains('\0') && startWlCopy(utf8);
}
