#pragma once
// One field value as the store hands it out: Null, yes/no, whole number, number or text.

#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

namespace dao {

class Value {
public:
    Value() = default; // Null
    Value(bool b) : m_v(b) {}
    Value(int i) : m_v(static_cast<std::int32_t>(i)) {}
    Value(double d) : m_v(d) {}
    Value(const QString& s) : m_v(s) {}
    Value(const char* s) : m_v(QString::fromUtf8(s)) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(m_v); }
    bool IsBool() const { return std::holds_alternative<bool>(m_v); }
    bool IsInt() const { return std::holds_alternative<std::int32_t>(m_v); }
    bool IsDouble() const { return std::holds_alternative<double>(m_v); }
    bool IsText() const { return std::holds_alternative<QString>(m_v); }

    // Text as the program prints it: Null gives the empty text, yes/no gives
    // "Wahr"/"Falsch", numbers their decimal digits.
    QString ToText() const;
    // Whole number; text is read as decimal digits, yes/no as -1/0, Null as 0. A number beyond
    // 32 bits (the file may hold any) fails with errOverflow; its fraction is cut off.
    int ToInt() const;
    double ToDouble() const;
    // The value as a record number: only a whole number of 32 bits is one. Anything else (a
    // number beyond, a fraction, a text, Null) names no record the program can reach.
    std::optional<int> AsRecordNumber() const;
    // Non-zero numbers and the texts "Wahr"/"True"/"-1"/"1" are true.
    bool ToBool() const;

    bool operator==(const Value& other) const { return m_v == other.m_v; }

    using Storage = std::variant<std::monostate, bool, std::int32_t, double, QString>;
    const Storage& Raw() const { return m_v; }

private:
    Storage m_v;
};

} // namespace dao
