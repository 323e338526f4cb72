#include "menu/PropertyBag.h"

#include "toolkit/Laufzeitfehler.h"

int PropertyBag::IndexOf(const QString& name) const {
    for (int i = 0; i < m_values.size(); ++i)
        if (m_values[i].first.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value) {
    const int i = IndexOf(name);
    if (i < 0)
        m_values.append({name, value});
    else
        m_values[i].second = value;
}

QVariant PropertyBag::ReadProperty(const QString& name) const {
    const int i = IndexOf(name);
    if (i < 0)
        throw toolkit::Laufzeitfehler(
            kNotFound, QStringLiteral("Der Datenwert '%1' wurde nicht gefunden.").arg(name));
    return m_values[i].second;
}

bool PropertyBag::Contains(const QString& name) const {
    return IndexOf(name) >= 0;
}

QStringList PropertyBag::Names() const {
    QStringList names;
    for (const auto& entry : m_values)
        names << entry.first;
    return names;
}

void PropertyBag::Remove(const QString& name) {
    const int i = IndexOf(name);
    if (i >= 0) m_values.removeAt(i);
}
