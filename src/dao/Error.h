#pragma once
// A failed store operation: the classic error number and a German description.

#include <QString>
#include <stdexcept>

namespace dao {

// Error numbers the program and its tests rely on.
enum ErrorNumber : int {
    errOverflow = 6,    // a number beyond what the program can hold
    errReserved = 3000, // anything the engine reports that has no number of its own
    errUpdateWithoutAddNew = 3020,
    errNoCurrentRecord = 3021,
    errDuplicateKey = 3022,
    errFileNotFound = 3024,
    errDiskFull = 3026,
    errNotUpdatable = 3027,
    errWrongPassword = 3031,
    errDiskOrNetwork = 3043,
    errFileInUse = 3045,
    errNoTransaction = 3034,
    errCannotOpenFile = 3051,
    errSyntax = 3075,
    errTableNotFound = 3078,
    errFieldNotWritable = 3164,
    errRecordDeleted = 3167,
    errFieldNotFound = 3265,
    errDatabaseExists = 3204,
    errFieldRequired = 3314,
    errDamagedFile = 3343,
    errObjectInvalid = 3420,
};

class Error : public std::runtime_error {
public:
    Error(int number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number),
          m_description(description) {}

    int Number() const noexcept { return m_number; }
    const QString& Description() const noexcept { return m_description; }

private:
    int m_number;
    QString m_description;
};

} // namespace dao
