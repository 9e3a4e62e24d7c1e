#pragma once
#include <QByteArray>

namespace qm {

// The resources of the X server the program will show on (the root window's
// RESOURCE_MANAGER text, as xrdb sets it); empty without an X server.
QByteArray ReadXResources();

// The Xft.dpi value in such a text, rounded as the toolkit rounds it; 0 when
// the text sets none or no positive number.
int XftDpiIn(const QByteArray& resources);

} // namespace qm
