#pragma once
// The storing build of the program (crash/dauerlauf) started on a folder, and what it wrote.

#include "dao/Dao.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <memory>

// Starts a run on the Cocktails.mdb in folder; it writes its steps to protokoll.
inline std::unique_ptr<QProcess> LaufStarten(const QString& ordner, const QString& protokoll) {
    auto lauf = std::make_unique<QProcess>();
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("VELKOR_ORDNER"), ordner);
    umgebung.insert(QStringLiteral("VELKOR_PROTOKOLL"), protokoll);
    lauf->setProcessEnvironment(umgebung);
    lauf->start(QStringLiteral(VELKOR_DAUERLAUF), {});
    return lauf;
}

// The lines of a run's protocol, in order.
inline QStringList Zeilen(const QString& pfad) {
    QFile f(pfad);
    QStringList out;
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& zeile : f.readAll().split('\n'))
            out << QString::fromUtf8(zeile);
    return out;
}

// The engine's own check of the file: {"ok"} when sound.
inline QStringList Prüfung(dao::Database& db) {
    QStringList prüfung;
    db.ReadEngineRows("PRAGMA integrity_check",
                      [&prüfung](const dao::EngineRow& row) { prüfung << row.Get(0).ToText(); });
    return prüfung;
}
