#include "ViewCommands.h"

#include "DesignView.h"
#include "FillColorCommands.h"
#include "FillStatus.h"
#include "ImageExportCommands.h"
#include "ParametersCommands.h"
#include "PrintCommands.h"
#include "SegmentClickHandler.h"
#include "SymmetryCommands.h"
#include "UndoCommands.h"
#include "ZoomCommands.h"

namespace corvane {

void InstallViewCommands(DesignView& view) {
    FollowDesignInStatusBar(view);
    new FillColorCommands(view);
    new SegmentClickHandler(view);
    new UndoCommands(view);
    new ParametersCommands(view);
    new SymmetryCommands(view);
    new PrintCommands(view);
    new ImageExportCommands(view);
    new ZoomCommands(view);
}

}  // namespace corvane
