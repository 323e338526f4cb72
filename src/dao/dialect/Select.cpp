#include "dao/dialect/Stages.h"

#include <QSet>

namespace dao::dialect {

namespace {

const QSet<QString>& AggregateFunctions() {
    static const QSet<QString> set = {QStringLiteral("count"), QStringLiteral("sum"),
                                      QStringLiteral("avg"),   QStringLiteral("min"),
                                      QStringLiteral("max"),   QStringLiteral("first"),
                                      QStringLiteral("last")};
    return set;
}

// Words that can follow a table in FROM and are not its alias.
bool EndsSource(const Token* tok) {
    static const QSet<QString> words = {
        QStringLiteral("where"), QStringLiteral("inner"),  QStringLiteral("left"),
        QStringLiteral("right"), QStringLiteral("outer"),  QStringLiteral("cross"),
        QStringLiteral("join"),  QStringLiteral("on"),     QStringLiteral("order"),
        QStringLiteral("group"), QStringLiteral("having"), QStringLiteral("union"),
        QStringLiteral("limit")};
    return tok->kind != Kind::Word || words.contains(tok->text);
}

} // namespace

SelectShape ReadSelect(const std::vector<const Token*>& t) {
    SelectShape shape;
    const int n = static_cast<int>(t.size());
    if (n == 0 || !IsWord(t[0], "select")) return shape;
    shape.select = true;
    shape.plainRows = true;
    shape.endIndex = n;
    if (n > 0 && t[n - 1]->kind == Kind::Symbol && t[n - 1]->text == QLatin1String(";"))
        shape.endIndex = n - 1;
    for (int i = 1; i < n; ++i) {
        const Token* tok = t[i];
        if (tok->depth != 0) continue;
        if (tok->kind != Kind::Word) continue;
        if (tok->text == QLatin1String("distinct") || tok->text == QLatin1String("group") ||
            tok->text == QLatin1String("union") || tok->text == QLatin1String("having"))
            shape.plainRows = false;
        else if (AggregateFunctions().contains(tok->text) && i + 1 < n &&
                 t[i + 1]->text == QLatin1String("("))
            shape.plainRows = false;
        else if (tok->text == QLatin1String("order"))
            shape.ordered = true;
        else if (tok->text == QLatin1String("limit") && shape.endIndex > i)
            shape.endIndex = i;
        else if (tok->text == QLatin1String("from") && shape.fromIndex < 0)
            shape.fromIndex = i;
    }
    if (shape.fromIndex < 0) return shape;

    // FROM source [alias] { [INNER|LEFT|RIGHT|OUTER|CROSS]... JOIN source [alias] ON ... }
    QStringList sources;
    int i = shape.fromIndex + 1;
    while (i < n) {
        const Token* source = t[i];
        QString table;
        if (source->kind == Kind::Word && !EndsSource(source))
            table = source->text;
        else if (source->kind == Kind::Bracket)
            table = source->text.mid(1, source->text.size() - 2)
                        .replace(QLatin1String("\"\""), QLatin1String("\""));
        else
            return shape; // a sub-select or something this reading does not know
        QString name = source->text;
        ++i;
        if (i < n && IsWord(t[i], "as")) ++i;
        if (i < n && t[i]->depth == 0 && !EndsSource(t[i])) {
            name = t[i]->text;
            ++i;
        } else if (i < n && t[i]->depth == 0 && t[i]->kind == Kind::Bracket) {
            name = t[i]->text;
            ++i;
        }
        if (sources.isEmpty()) shape.firstTable = table;
        sources << name;
        if (i < n && t[i]->kind == Kind::Symbol && t[i]->text == QLatin1String(","))
            return shape; // FROM a, b: not read as records of one join
        // Skip to the next JOIN at the outer level, or stop.
        while (i < n && !(t[i]->depth == 0 && IsWord(t[i], "join"))) {
            if (t[i]->depth == 0 && t[i]->kind == Kind::Word &&
                (t[i]->text == QLatin1String("where") || t[i]->text == QLatin1String("order") ||
                 t[i]->text == QLatin1String("group") || t[i]->text == QLatin1String("having") ||
                 t[i]->text == QLatin1String("union") || t[i]->text == QLatin1String("limit"))) {
                shape.sources = sources;
                return shape;
            }
            ++i;
        }
        if (i >= n) break;
        ++i; // behind JOIN
    }
    shape.sources = sources;
    return shape;
}

} // namespace dao::dialect
