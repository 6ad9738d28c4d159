#pragma once
// Fetches the pinned Fluent Emoji "flat" package with npm into a cache folder, once. Any failure
// (no npm, no network, a broken download) only means the pictures come from the emoji font instead.
#include <QString>

namespace content {

inline const QString kIconPackage = QStringLiteral("@iconify-json/fluent-emoji-flat");
inline const QString kIconPackageVersion = QStringLiteral("1.2.6");

class TIconPackage {
public:
    explicit TIconPackage(QString CacheFolder) : Cache(std::move(CacheFolder)) {}

    // The cached icons.json, fetching it first when needed; empty (with Why) when it cannot be had.
    QString IconsJson(QString& Why) const;
    // The cached icons.json without fetching; empty when it is not there.
    QString CachedIconsJson() const;

private:
    QString Cache;
    QString Folder() const;  // the unpacked package of the pinned version
};

}  // namespace content
