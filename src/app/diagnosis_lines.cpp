#include "app/diagnosis_lines.h"

#include "text/font.h"

DiagnosisLineStyle DiagnosisLineStyleOf(DiagnosisLineKind kind) {
    switch (kind) {
        case DiagnosisLineKind::kHeading: return {0xFFFFFF, 4, 8, 26};
        case DiagnosisLineKind::kItem: return {0xFFFFFF, 24, 0, 18};
        case DiagnosisLineKind::kWarning: return {0x80FFFF, 24, 0, 18};
        case DiagnosisLineKind::kError: break;
    }
    return {0x4040FF, 24, 0, 18};
}

namespace {

class CFontLineDrawer : public CDiagnosisLineDrawer {
public:
    void Draw(HDC target, const DiagnosisLine& line) override {
        CFont font;
        font.SetColor(line.colour);
        font.SetText(line.text);
        font.Draw(target, line.x, line.y);
    }
};

}  // namespace

CDiagnosisLineDrawer& FontLineDrawer() {
    static CFontLineDrawer drawer;
    return drawer;
}
