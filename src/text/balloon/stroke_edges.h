// The edges of the stroke-edged balloons (Urchin to Gas): many short strokes
// or small discs around the balloon's ellipse, drawn as coverage with GDI
// and composited in the edge colour. Each draws rand() in a fixed order, so
// every painting differs.
#pragma once

#include "graphics/color32.h"
#include "graphics/memory_surface.h"

void PaintUrchinEdge(CMemorySurface& picture, Color32 edge);
void PaintPopUrchinEdge(CMemorySurface& picture, Color32 edge);
void PaintPeakedUrchinEdge(CMemorySurface& picture, Color32 edge);
void PaintHuskyUrchinEdge(CMemorySurface& picture, Color32 edge);
void PaintBurstEdge(CMemorySurface& picture, Color32 edge);
void PaintGasEdge(CMemorySurface& picture, Color32 edge);
