#pragma once
// The stored properties of a control, kept with the window that holds it:
// named values, names matched without regard to case, in the order written.

#include "toolkit/Laufzeitfehler.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

class PropertyBag {
public:
    // Error number of a name that is not stored.
    static constexpr int kNotFound = toolkit::Laufzeitfehler::kEigenschaftFehlt;

    // Stores a value; a name written before (in any case) is replaced in place.
    void WriteProperty(const QString& name, const QVariant& value);
    // The stored value; throws toolkit::Laufzeitfehler 327 when the name is not stored.
    QVariant ReadProperty(const QString& name) const;
    bool Contains(const QString& name) const;
    QStringList Names() const;
    void Remove(const QString& name);

private:
    int IndexOf(const QString& name) const;
    QList<QPair<QString, QVariant>> m_values;
};
