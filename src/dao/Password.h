#pragma once
// The fixed password of every Cocktails.mdb. The program opens its file with it, the tool that
// writes the starter file keys it with it, and so do the tests, tools and measurements.

#include <QString>

namespace dao {

inline constexpr char kPassword[] = "TornVX1993";

// The connect text that opens or writes a Cocktails.mdb with the password.
inline QString PasswordConnect() {
    return QStringLiteral(";pwd=") + QString::fromLatin1(kPassword);
}

} // namespace dao
