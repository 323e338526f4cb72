#pragma once
// Faults of the file for tests: write-protection behind the program's back, and another
// program holding the lock.

#include "RoheDatei.h"

#include <QFile>
#include <QString>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

// Write-protects a file or folder for everyone, root included, while it lives (the immutable
// flag of the file system; tests run as root, whom plain permissions do not stop).
class Schreibschutz {
public:
    explicit Schreibschutz(const QString& pfad) : m_pfad(pfad) { m_ok = Setzen(true); }
    ~Schreibschutz() { Aufheben(); }
    bool Gesetzt() const { return m_ok; }
    void Aufheben() {
        if (m_ok) Setzen(false);
        m_ok = false;
    }

private:
    bool Setzen(bool an) {
        const int fd = ::open(QFile::encodeName(m_pfad).constData(), O_RDONLY);
        if (fd < 0) return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = an ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return ok;
    }
    QString m_pfad;
    bool m_ok = false;
};

// Another program with the file locked: it has begun writing, so nobody may read or write.
class Sperre {
public:
    explicit Sperre(const QString& pfad) : m_datei(pfad) {
        m_ok =
            m_datei.Exec("BEGIN EXCLUSIVE; DELETE FROM zutatensetupvorrat WHERE 0;") == SQLITE_OK;
    }
    ~Sperre() { Lösen(); }
    bool Gesetzt() const { return m_ok; }
    void Lösen() {
        if (m_ok) m_datei.Exec("ROLLBACK");
        m_ok = false;
    }

private:
    RoheDatei m_datei;
    bool m_ok = false;
};
