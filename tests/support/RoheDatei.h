#pragma once
// The file opened straight in the engine with the program's key, as any shell opens it: to
// write what the program never would, or to hold its lock. Without a
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

private:
    sqlite3* m_db = nullptr;
};
