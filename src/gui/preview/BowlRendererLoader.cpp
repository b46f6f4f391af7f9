#include "BowlRendererLoader.h"

#include "BowlMesh.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QStringList>

#include <memory>

namespace corvane {

namespace {

const QString kModuleFile = QStringLiteral("corvane_preview3d.so");

// Nearest to the program first: installed (or unpacked) beside the program's
// own folder, wherever that is; in a build tree beside the program; where the
// build put it, for the tests, whose programs live in folders of their own.
QStringList moduleFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders{programFolder + QStringLiteral("/../lib/corvane"),
                        programFolder + QStringLiteral("/../" CORVANE_INSTALL_LIBDIR "/corvane"),
                        programFolder, QStringLiteral(CORVANE_PREVIEW_MODULE_DIR)};
    for (QString& folder : folders) {
        folder = QDir::cleanPath(folder);
    }
    folders.removeDuplicates();
    return folders;
}

// The module of the first folder that has one. When that one does not load
// (a library of the 3D engine is missing), its error is the one to tell:
// another folder's module would belong to another build.
QLibrary* loadModule(QString* error) {
    const QStringList folders = moduleFolders();
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(kModuleFile);
        if (!QFileInfo::exists(path)) {
            continue;
        }
        auto module = std::make_unique<QLibrary>(path);
        if (!module->load()) {
            *error = module->errorString();
            return nullptr;
        }
        return module.release();
    }
    *error =
        QStringLiteral("%1 is in none of %2.").arg(kModuleFile, folders.join(QStringLiteral(", ")));
    return nullptr;
}

CreateBowlRendererFunction resolveFactory(QString* error) {
    static QLibrary* module = nullptr;  // never unloaded: Qt Quick keeps state in it
    if (module == nullptr) {
        module = loadModule(error);
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
