#pragma once

namespace qm {

// What the program knows of the screen: its size in pixels and how many twips
// (1/1440 inch) make one pixel. 96 DPI gives 15 twips per pixel.
struct ScreenInfo {
    int widthPx = 1024;
    int heightPx = 768;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
};

class ScreenService {
public:
    virtual ~ScreenService() = default;
    virtual ScreenInfo screen() = 0;
};

ScreenService& screenService();
// Replaces the service; nullptr restores the real one. The caller keeps ownership.
void setScreenService(ScreenService* service);

// Called before the application object exists: windows keep the screen's
// own pixels whatever scale the desktop asks; the scale goes to the fonts.
void LayOutInScreenPixels();

inline ScreenInfo Screen() { return screenService().screen(); }

} // namespace qm
