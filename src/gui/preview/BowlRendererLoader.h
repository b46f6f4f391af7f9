#pragma once

#include "BowlRenderer.h"

#include <QString>

#include <memory>

namespace corvane {

struct BowlMesh;

// Loads the 3D engine's module on first use and makes renderers from it.
class BowlRendererLoader {
public:
    struct Result {
        std::unique_ptr<BowlRenderer> renderer;  // null on failure
        QString error;                           // why, for the user
    };

    static Result create();

    // Hands a mesh from the core to a renderer.
    static void showMesh(BowlRenderer& renderer, const BowlMesh& mesh);
};

}  // namespace corvane
