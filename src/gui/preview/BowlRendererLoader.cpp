#include "BowlRendererLoader.h"

#include "BowlMesh.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibrary>
#include <QStringList>

namespace corvane {

namespace {

const QString kModuleName = QStringLiteral("corvane_preview3d");

// Installed beside the program's libraries; in a build tree, beside the
// program or where the build put it.
QStringList moduleFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder + QStringLiteral("/../lib/corvane"),
            programFolder + QStringLiteral("/../" CORVANE_INSTALL_LIBDIR "/corvane"), programFolder,
            QStringLiteral(CORVANE_PREVIEW_MODULE_DIR)};
}

CreateBowlRendererFunction resolveFactory(QString* error) {
    static QLibrary* module = nullptr;  // never unloaded: Qt Quick keeps state in it
    if (module == nullptr) {
        for (const QString& folder : moduleFolders()) {
            auto* candidate = new QLibrary(QDir(folder).filePath(kModuleName));
            if (candidate->load()) {
                module = candidate;
                break;
            }
            *error = candidate->errorString();
            delete candidate;
        }
    }
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<CreateBowlRendererFunction>(module->resolve(kCreateBowlRendererSymbol));
}

}  // namespace

BowlRendererLoader::Result BowlRendererLoader::create() {
    Result result;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        result.error = QStringLiteral(
                           "The 3D preview needs OpenGL on a display; the \"%1\" platform has "
                           "none.")
                           .arg(platform);
        return result;
    }
    QString loadError;
    const CreateBowlRendererFunction factory = resolveFactory(&loadError);
    if (factory == nullptr) {
        result.error = QStringLiteral("The 3D preview could not be loaded: %1").arg(loadError);
        return result;
    }
    result.renderer.reset(factory());
    return result;
}

void BowlRendererLoader::showMesh(BowlRenderer& renderer, const BowlMesh& mesh) {
    const auto bytes = [](const auto& values) {
        return QByteArray(reinterpret_cast<const char*>(values.data()),
                          qsizetype(values.size() * sizeof(values.front())));
    };
    renderer.setMesh(bytes(mesh.vertices), bytes(mesh.indices),
                     QVector3D(mesh.boundsMin.x, mesh.boundsMin.y, mesh.boundsMin.z),
                     QVector3D(mesh.boundsMax.x, mesh.boundsMax.y, mesh.boundsMax.z));
}

}  // namespace corvane
