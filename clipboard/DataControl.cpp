#include "clipboard/DataControl.h"

#include <cstring>
#include <wayland-client.h>

namespace {

void onGlobal(void* offered, wl_registry*, uint32_t, const char* interface, uint32_t)
{
    if (std::strcmp(interface, "zwlr_data_control_manager_v1") == 0)
        *static_cast<unsigned*>(offered) |= DataControl::Wlr;
    if (std::strcmp(interface, "ext_data_control_manager_v1") == 0)
        *static_cast<unsigned*>(offered) |= DataControl::Ext;
}

void onGlobalRemoved(void*, wl_registry*, uint32_t) {}

} // namespace

unsigned DataControl::offered()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return None;
    static const wl_registry_listener listener{onGlobal, onGlobalRemoved};
    unsigned offered = None;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered;
}
