#include "clipboard/DataControl.h"

#include <cstring>
#include <wayland-client.h>

namespace {

// wl-copy of Debian 12 knows wlr-data-control only; with ext-data-control alone it would still
// need a window of its own.
void onGlobal(void* offered, wl_registry*, uint32_t, const char* interface, uint32_t)
{
    if (std::strcmp(interface, "zwlr_data_control_manager_v1") == 0)
        *static_cast<bool*>(offered) = true;
}

void onGlobalRemoved(void*, wl_registry*, uint32_t) {}

} // namespace

bool DataControl::offered()
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
