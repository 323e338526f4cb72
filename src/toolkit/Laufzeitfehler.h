#pragma once
// A run-time error of the program's own controls (a stored property that is missing or of the
// wrong type, a picture that cannot be read): the classic error number and a German text.
// Failures of the store are dao::Error; both are reported alike.

#include <QString>
#include <stdexcept>

namespace toolkit {

class Laufzeitfehler : public std::runtime_error {
public:
    static constexpr int kTypenUnverträglich = 13;
    static constexpr int kEigenschaftFehlt = 327;
    static constexpr int kUngültigesBild = 481;

    Laufzeitfehler(int number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number),
          m_description(description) {}

    int Number() const noexcept { return m_number; }
    const QString& Description() const noexcept { return m_description; }

private:
    int m_number;
    QString m_description;
};

} // namespace toolkit
