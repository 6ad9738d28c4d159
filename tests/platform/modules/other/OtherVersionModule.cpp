// A module of another version of the corner's interface (an older IID): the loader must refuse it.
#include <QObject>
#include <QtPlugin>

class TOtherVersionModule : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.kvarnel.CornerModule/0")
};

#include "OtherVersionModule.moc"
