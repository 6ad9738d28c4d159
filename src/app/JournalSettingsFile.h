#pragma once
// The group journal's settings in the section [journal] of kvarnel.conf (host, port, database,
// user, password, sslmode, sslrootcert). An administrator sets them for every user of a computer
// in the system-wide file ($XDG_CONFIG_DIRS/kvarnel/kvarnel.conf, /etc/xdg/kvarnel/kvarnel.conf
// unless set), which every user can read; each key the user's own file (~/.config/kvarnel/
// kvarnel.conf) holds wins over it. The corner saves into the user's file only, atomically, and a
// file holding a password is made readable by its owner alone. Nothing here is logged.
#include "corner/CornerJournal.h"

#include <QString>
#include <QStringList>

class TJournalSettingsFile : public IJournalSettingsFile {
public:
    // SystemFiles in the order they count, the first one's keys winning over the next ones'.
    TJournalSettingsFile(const QString& UserFile, const QStringList& SystemFiles);
    // kvarnel/kvarnel.conf in each system configuration folder ($XDG_CONFIG_DIRS, or /etc/xdg).
    static QStringList SystemFiles();

    journaldb::TJournalSettings Read() override;
    QString Save(const journaldb::TJournalSettings& Settings, bool WithPassword) override;

    QString UserFile() const { return FUserFile; }

private:
    QString FUserFile;
    QStringList FSystemFiles;
};
