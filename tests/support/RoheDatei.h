#pragma once
// The file opened straight in the engine with the program's key, as any shell opens it: to
// write what the program never would, to read what it wrote, or to hold its lock. Without a
// key, a file of the engine's own, not encrypted.

#include "dao/Password.h"
#include <QFile>
#include <QString>
#include <cstring>
#include <sqlite3.h>

class RoheDatei {
public:
    explicit RoheDatei(const QString& pfad, const char* schlüssel = dao::kPassword) {
        sqlite3_open(QFile::encodeName(pfad).constData(), &m_db);
        if (!schlüssel) return;
        sqlite3_key(m_db, schlüssel, static_cast<int>(std::strlen(schlüssel)));
        sqlite3_exec(m_db, "PRAGMA cipher_compatibility = 3", nullptr, nullptr, nullptr);
    }
    ~RoheDatei() { sqlite3_close(m_db); }
    RoheDatei(const RoheDatei&) = delete;
    RoheDatei& operator=(const RoheDatei&) = delete;

    // Runs statements; the engine's result code.
    int Exec(const QString& sql) const {
        return sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    }
    // The first value of the first row, empty without rows, or the engine's message on failure.
    QString Wert(const QString& sql) const {
        sqlite3_stmt* st = nullptr;
        QString wert;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
            return QString::fromUtf8(sqlite3_errmsg(m_db));
        if (sqlite3_step(st) == SQLITE_ROW)
            wert = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
        return wert;
    }

private:
    sqlite3* m_db = nullptr;
};
