// Reads arbitrary bytes as a design file and paints whatever the reader
// accepts into a small offscreen picture: in full, in symmetry mode when the
// segments allow it, and again after a few fills repainted in part. The
// renderer must survive any radii, angles and counts a file can hold, and a
// partial repaint must give the picture a full paint gives.

#include "ActiveSector.h"
#include "BowlModel.h"
#include "DesignCsvReader.h"
#include "DesignPicture.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

namespace {

using corvane::BowlModel;
using corvane::DesignPicture;

const QSize kPictureSize(160, 120);

void Require(bool condition, const char* invariant) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

int SmallestSectorCount(int segments) {
    for (int sectors = 2; sectors < segments; ++sectors) {
        if (corvane::IsAcceptableSectorCount(sectors, segments)) {
            return sectors;
        }
    }
    return 0;
}

void PaintInPartsAndWhole(BowlModel& model, qreal ratio) {
    DesignPicture kept;
    kept.paintAll(model, kPictureSize, ratio);
    const int last = model.LastLiveIndex();
    const std::vector<int> changed{0, last, last / 2};
    model.FillColor = 0xFF8B4513u;
    for (int k : changed) {
        model.FillSegment(k);
    }
    model.RecountRowTallies();
    kept.repaintRecords(model, changed);
    DesignPicture fresh;
    fresh.paintAll(model, kPictureSize, ratio);
    Require(kept.image() == fresh.image(), "a partial repaint gives the full paint's picture");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
        qputenv("QT_QPA_FONTDIR", "/usr/share/fonts/truetype");
    }
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Static: the model is too large to copy onto the stack for every input.
    static BowlModel model;
    model = BowlModel();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!corvane::ReadDesignCsv(bytes, model).ok) {
        return 0;
    }
    model.SymmetrySectors = SmallestSectorCount(model.Segments);
    PaintInPartsAndWhole(model, size % 2 == 0 ? 1.0 : 2.0);
    return 0;
}
