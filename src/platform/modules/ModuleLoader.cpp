#include "platform/modules/ModuleLoader.h"

#include "platform/FileSystem.h"
#include "platform/Log.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QPainter>
#include <QPluginLoader>

#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <numbers>
#include <vector>

namespace modules {

namespace {

struct TFound {
    const ICornerModule* Module = nullptr;
    QString Problem;
};

struct TModules {
    std::mutex Mutex;
    QString Path;                                         // empty: CornerModulePath()
    std::optional<TFound> Current;                        // what the path in force gave
    std::map<QString, TFound> Tried;                      // each path tried once: a module is loaded once
    std::vector<std::unique_ptr<QPluginLoader>> Loaders;  // never unloaded
};

TModules& Modules()
{
    static TModules modules;
    return modules;
}

TFound Load(TModules& State, const QString& Path)
{
    if (!QFileInfo::exists(Path)) return {nullptr, QStringLiteral("no module at %1").arg(Path)};
    auto loader = std::make_unique<QPluginLoader>(Path);
    if (!loader->load()) return {nullptr, loader->errorString()};
    QObject* root = loader->instance();
    const ICornerModule* module = qobject_cast<ICornerModule*>(root);
    State.Loaders.push_back(std::move(loader));
    if (!module) {
        const QString iid = State.Loaders.back()->metaData().value(QStringLiteral("IID")).toString();
        return {nullptr,
                QStringLiteral("%1 is not the module %2 (it offers %3)")
                    .arg(Path, QStringLiteral(KV_CORNER_MODULE_IID), iid.isEmpty() ? QStringLiteral("nothing") : iid)};
    }
    return {module, QString()};
}

TFound Found()
{
    TModules& modules = Modules();
    std::lock_guard lock(modules.Mutex);
    if (!modules.Current) {
        const QString path = modules.Path.isEmpty() ? CornerModulePath() : modules.Path;
        auto tried = modules.Tried.find(path);
        if (tried == modules.Tried.end()) {
            tried = modules.Tried.emplace(path, Load(modules, path)).first;
            if (!tried->second.Module)
                qCWarning(lcPlatform).noquote() << "the grown-ups' corner's module:" << tried->second.Problem;
        }
        modules.Current = tried->second;
    }
    return *modules.Current;
}

}  // namespace

QString CornerModulePath()
{
    const QString folder = fs::ExeFolder();
    const QString beside = folder + QLatin1String(kCornerModuleFile);
    if (QFileInfo::exists(beside)) return beside;
    return QDir::cleanPath(folder + QStringLiteral(KV_MODULE_DIR_FROM_BINDIR "/") + QLatin1String(kCornerModuleFile));
}

const ICornerModule* CornerModule()
{
    return Found().Module;
}

QString CornerModuleProblem()
{
    return Found().Problem;
}

void SetCornerModulePath(const QString& Path)
{
    TModules& modules = Modules();
    std::lock_guard lock(modules.Mutex);
    modules.Path = Path;
    modules.Current.reset();
}

std::optional<QString> TryCornerModule()
{
    const ICornerModule* module = CornerModule();
    if (!module) return CornerModuleProblem();
    QImage square(64, 64, QImage::Format_RGB32);
    square.fill(Qt::white);
    QPainter(&square).fillRect(16, 16, 32, 32, Qt::black);
    const QImage lines = module->LineDrawing(square, TLineDrawingOptions());
    // The left side's middle is on the outline; inside and outside stay white.
    if (lines.size() != square.size() || lines.pixelColor(16, 32) != Qt::black || lines.pixelColor(32, 32) != Qt::white ||
        lines.pixelColor(2, 2) != Qt::white)
        return QStringLiteral("the module drew no outline of a square");
    std::vector<int16_t> tone(4800);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = int16_t(8000 * std::sin(2 * std::numbers::pi * 440.0 * double(i) / 48000.0));
    const QByteArray mp3 = module->Mp3EncodeMono(tone, 48000);
    if (mp3.size() < 4 || uchar(mp3[0]) != 0xFF || (uchar(mp3[1]) & 0xE0) != 0xE0)
        return QStringLiteral("the module encoded no MP3");
    return std::nullopt;
}

}  // namespace modules
