#include "platform/XResources.h"

#include <QList>
#include <cmath>

#ifdef QM_HAVE_XCB
#include <cstdlib>
#include <xcb/xcb.h>
#endif

namespace qm {

QByteArray ReadXResources()
{
    QByteArray text;
#ifdef QM_HAVE_XCB
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (!xcb_connection_has_error(c)) {
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
        for (int i = 0; i < screenNumber && it.rem; ++i) xcb_screen_next(&it);
        if (it.rem) {
            const xcb_get_property_cookie_t cookie =
                xcb_get_property(c, 0, it.data->root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0, 1 << 20);
            if (xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr)) {
                text = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                                  xcb_get_property_value_length(reply));
                std::free(reply);
            }
        }
    }
    xcb_disconnect(c);
#endif
    return text;
}

int XftDpiIn(const QByteArray& resources)
{
    for (const QByteArray& line : resources.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0 || line.left(colon).trimmed() != "Xft.dpi") continue;
        bool ok = false;
        const double dpi = line.mid(colon + 1).trimmed().toDouble(&ok);
        return ok && dpi > 0 && dpi < 10000 ? int(std::lround(dpi)) : 0;
    }
    return 0;
}

} // namespace qm
