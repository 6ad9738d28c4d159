// The corner's module: ICornerModule as a Qt plugin, the one object the program's loader asks for.
#include "platform/modules/CornerModule.h"
#include "platform/modules/corner/LineDrawing.h"
#include "platform/modules/corner/Mp3Encoder.h"

#include <QObject>

namespace modules::corner {

class TCornerPlugin : public QObject, public ICornerModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KV_CORNER_MODULE_IID)
    Q_INTERFACES(modules::ICornerModule)

public:
    QImage LineDrawing(const QImage& Picture, const TLineDrawingOptions& Options) const override
    {
        return corner::LineDrawing(Picture, Options);
    }
    QByteArray Mp3EncodeMono(std::span<const int16_t> Samples, int SampleRate) const override
    {
        return corner::Mp3EncodeMono(Samples, SampleRate);
    }
};

}  // namespace modules::corner

#include "CornerPlugin.moc"
