// korubel-kwinkey KEYCODE: presses and releases one key on KWin's seat
// through its fake-input protocol, as a remote-desktop tool does, so that
// the focused window gets a real key event with a serial of its own (the
// end-to-end check of the desktops, run-desktop-check; GNOME Shell is given
// its keys through its own scripting instead). KEYCODE is a Linux input
// code: 57 is the space bar. KWin offers the protocol to any client only
// when it runs with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <wayland-client.h>

#include "fake-input-client-protocol.h"

namespace {

org_kde_kwin_fake_input *fakeInput = nullptr;

void global(void *, wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
{
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        fakeInput = static_cast<org_kde_kwin_fake_input *>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
}

void globalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener registryListener = {global, globalRemove};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: korubel-kwinkey KEYCODE\n");
        return 2;
    }
    const auto key = static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10));
    wl_display *display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "korubel-kwinkey: no Wayland display\n");
        return 1;
    }
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, nullptr);
    wl_display_roundtrip(display);
    if (!fakeInput) {
        std::fprintf(stderr, "korubel-kwinkey: the compositor offers no org_kde_kwin_fake_input version 4\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(fakeInput, "korubel-kwinkey", "end-to-end check");
    org_kde_kwin_fake_input_keyboard_key(fakeInput, key, WL_KEYBOARD_KEY_STATE_PRESSED);
    wl_display_roundtrip(display);
    org_kde_kwin_fake_input_keyboard_key(fakeInput, key, WL_KEYBOARD_KEY_STATE_RELEASED);
    const bool sent = wl_display_roundtrip(display) >= 0;
    wl_display_disconnect(display);
    return sent ? 0 : 1;
}
