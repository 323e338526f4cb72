#include "dao/Value.h"

#include "dao/Error.h"

#include <cmath>
#include <limits>

namespace dao {

QString Value::ToText() const {
    struct Visitor {
        QString operator()(std::monostate) const { return {}; }
        QString operator()(bool b) const {
            return b ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
        }
        QString operator()(std::int32_t i) const { return QString::number(i); }
        QString operator()(double d) const { return QString::number(d, 'g', 15); }
        QString operator()(const QString& s) const { return s; }
    };
    return std::visit(Visitor{}, m_v);
}

int Value::ToInt() const {
    struct Visitor {
        int operator()(std::monostate) const { return 0; }
        int operator()(bool b) const { return b ? -1 : 0; }
        int operator()(std::int32_t i) const { return i; }
        int operator()(double d) const {
            const double ganz = std::trunc(d);
            if (!(ganz >= std::numeric_limits<int>::min() &&
                  ganz <= std::numeric_limits<int>::max()))
                throw Error(errOverflow, QStringLiteral("Überlauf: %1 ist keine Nummer, die das "
                                                        "Programm halten kann.")
                                             .arg(d, 0, 'g', 17));
            return static_cast<int>(ganz);
        }
        int operator()(const QString& s) const { return s.trimmed().toInt(); }
    };
    return std::visit(Visitor{}, m_v);
}

std::optional<int> Value::AsRecordNumber() const {
    if (const auto* i = std::get_if<std::int32_t>(&m_v)) return *i;
    return std::nullopt;
}

double Value::ToDouble() const {
    struct Visitor {
        double operator()(std::monostate) const { return 0; }
        double operator()(bool b) const { return b ? -1 : 0; }
        double operator()(std::int32_t i) const { return i; }
        double operator()(double d) const { return d; }
        double operator()(const QString& s) const { return s.trimmed().toDouble(); }
    };
    return std::visit(Visitor{}, m_v);
}

bool Value::ToBool() const {
    struct Visitor {
        bool operator()(std::monostate) const { return false; }
        bool operator()(bool b) const { return b; }
        bool operator()(std::int32_t i) const { return i != 0; }
        bool operator()(double d) const { return d != 0; }
        bool operator()(const QString& s) const {
            const QString t = s.trimmed();
            if (t.compare(QLatin1String("Wahr"), Qt::CaseInsensitive) == 0 ||
                t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                return true;
            bool ok = false;
            const double d = t.toDouble(&ok);
            return ok && d != 0;
        }
    };
    return std::visit(Visitor{}, m_v);
}

} // namespace dao
