#pragma once
// A run-time error of the program's own controls (a stored property that is missing or of the
// wrong type, a picture that cannot be read). It carries a classic error number and a German
// text like a failure of the store, and is reported alike.

#include "dao/Error.h"

namespace toolkit {

class Laufzeitfehler : public dao::Error {
public:
    static constexpr int kTypenUnverträglich = 13;
    static constexpr int kEigenschaftFehlt = 327;
    static constexpr int kUngültigesBild = 481;

    using dao::Error::Error;
};

} // namespace toolkit
