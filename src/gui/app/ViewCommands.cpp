#include "ViewCommands.h"

#include "CChildView.h"
#include "FillColorCommands.h"
#include "ImageExportCommands.h"
#include "PrintCommands.h"
#include "SegmentClickHandler.h"
#include "UndoCommands.h"

namespace corvane {

void InstallViewCommands(CChildView& view) {
    new FillColorCommands(view);
    new SegmentClickHandler(view);
    new UndoCommands(view);
    new PrintCommands(view);
    new ImageExportCommands(view);
}

}  // namespace corvane
