#include "text/balloon/gdi_objects.h"

#include "platform/error_report.h"

void CreateWorkSurface(CMemorySurface& surface, int width, int height, int place) {
    surface.SetUseDibSection(true);
    if (surface.Create(width, height) != 0) {
        ErrorReport(ErrorKind::Graphic, kModuleBalloonPainting, place);
    }
}
