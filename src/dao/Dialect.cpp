#include "dao/Dialect.h"

#include "dao/Error.h"
#include "dao/Text.h"

#include <QHash>
#include <QSet>

namespace dao {

namespace {

enum class Kind { Space, Word, Literal, Number, Bracket, Symbol };

struct Token {
    Kind kind;
    QString text; // engine text of the token
    int depth;    // parenthesis depth
};

bool IsWordStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_');
}
bool IsWordPart(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c.isMark();
}

bool IsComparison(const QString& s) {
    return s == QLatin1String("=") || s == QLatin1String("<") || s == QLatin1String(">") ||
           s == QLatin1String("<>") || s == QLatin1String("<=") || s == QLatin1String(">=") ||
           s == QLatin1String("!=");
}

[[noreturn]] void SyntaxError(const QString& statement) {
    throw Error(errSyntax,
                QStringLiteral("Syntaxfehler in der Abfrage: %1").arg(statement.trimmed()));
}

// Reads a quoted piece starting at i (the opening quote), doubled closing
// quotes standing for one. Returns the content; i ends behind the closing quote.
QString ReadQuoted(const QString& s, qsizetype& i, QChar close, bool doubledEscape) {
    QString out;
    ++i;
    while (i < s.size()) {
        const QChar c = s.at(i);
        if (c == close) {
            if (doubledEscape && i + 1 < s.size() && s.at(i + 1) == close) {
                out += close;
                i += 2;
                continue;
            }
            ++i;
            return out;
        }
        out += c;
        ++i;
    }
    SyntaxError(s);
}

const QSet<QString>& AggregateFunctions() {
    static const QSet<QString> set = {QStringLiteral("count"), QStringLiteral("sum"),
                                      QStringLiteral("avg"),   QStringLiteral("min"),
                                      QStringLiteral("max"),   QStringLiteral("first"),
                                      QStringLiteral("last")};
    return set;
}

std::vector<const Token*> Significant(const std::vector<Token>& tokens) {
    std::vector<const Token*> t;
    for (const Token& tok : tokens)
        if (tok.kind != Kind::Space) t.push_back(&tok);
    return t;
}

bool IsWord(const Token* tok, const char* word) {
    return tok->kind == Kind::Word && tok->text == QLatin1String(word);
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

// What a plain SELECT reads, at the statement's outer level.
struct SelectShape {
    bool select = false;
    bool plainRows = false; // no grouping, DISTINCT, aggregate or UNION: rows are records
    bool ordered = false;   // has its own ORDER BY
    int fromIndex = -1;     // the FROM token among the significant tokens
    int endIndex = -1;      // where an ORDER BY would go (before LIMIT or ';')
    // The tables read, by the name the statement gives them (alias or table),
    // in the order they appear; empty when a source is not a plain table.
    QStringList sources;
    QString firstTable; // the first table's own name
};

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

} // namespace

static Translation TranslateFully(const QString& s, bool withRowId) {
    Translation result;
    std::vector<Token> tokens;
    tokens.reserve(32);
    int depth = 0;
    QString lastSignificant; // text of the previous non-space token

    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s.at(i);
        if (c.isSpace()) {
            const qsizetype start = i;
            while (i < s.size() && s.at(i).isSpace())
                ++i;
            tokens.push_back({Kind::Space, s.mid(start, i - start), depth});
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            result.params.emplace_back(ReadQuoted(s, i, c, true));
            tokens.push_back({Kind::Literal, QStringLiteral("?"), depth});
            lastSignificant = QStringLiteral("?");
            continue;
        }
        if (c == QLatin1Char('[')) {
            const QString name = ReadQuoted(s, i, QLatin1Char(']'), false);
            tokens.push_back({Kind::Bracket, QuoteIdentifier(name.toLower()), depth});
            lastSignificant = name;
            continue;
        }
        if (IsWordStart(c)) {
            const qsizetype start = i;
            while (i < s.size() && IsWordPart(s.at(i)))
                ++i;
            QString word = s.mid(start, i - start).toLower();
            // Yes/no constants of the dialect.
            if (word == QLatin1String("true"))
                tokens.push_back({Kind::Number, QStringLiteral("1"), depth});
            else if (word == QLatin1String("false"))
                tokens.push_back({Kind::Number, QStringLiteral("0"), depth});
            else
                tokens.push_back({Kind::Word, word, depth});
            lastSignificant = tokens.back().text;
            continue;
        }
        if (c.isDigit()) {
            const qsizetype start = i;
            while (i < s.size() && (s.at(i).isDigit() || s.at(i) == QLatin1Char('.')))
                ++i;
            const QString number = s.mid(start, i - start);
            bool ok = false;
            const int value = number.toInt(&ok);
            // A whole number compared with a field is a value: bind it. Other
            // numbers (ORDER BY 1, arithmetic) stay in the text.
            if (ok && IsComparison(lastSignificant)) {
                result.params.emplace_back(value);
                tokens.push_back({Kind::Literal, QStringLiteral("?"), depth});
            } else {
                tokens.push_back({Kind::Number, number, depth});
            }
            lastSignificant = number;
            continue;
        }
        // Operators and punctuation.
        QString symbol(c);
        if ((c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('!')) &&
            i + 1 < s.size()) {
            const QChar n = s.at(i + 1);
            if (n == QLatin1Char('=') || (c == QLatin1Char('<') && n == QLatin1Char('>')))
                symbol += n;
        }
        i += symbol.size();
        if (symbol == QLatin1String("(")) ++depth;
        tokens.push_back(
            {Kind::Symbol, symbol == QLatin1String("&") ? QStringLiteral("||") : symbol, depth});
        if (symbol == QLatin1String(")")) --depth;
        lastSignificant = symbol;
    }

    const std::vector<const Token*> significant = Significant(tokens);
    const SelectShape select = ReadSelect(significant);
    if (withRowId && select.plainRows && select.sources.size() == 1)
        result.updatableTable = select.firstTable;

    // A record set that adds and deletes carries each row's id as a hidden last column, so
    // the positions of the columns written stay as they are (ORDER BY 1 keeps meaning the
    // first of them).
    const Token* hiddenRowIdBefore =
        result.updatableTable.isEmpty() ? nullptr : significant[select.fromIndex];
    // Rows without an order of their own come in the order they were stored, whatever
    // indexes the engine uses to find them: a cocktail's lines in the order they were
    // entered. In a join that is the stored order of the table joined last, then of the ones
    // before it.
    QString storedOrder;
    if (select.plainRows && !select.ordered && !select.sources.isEmpty()) {
        for (auto it = select.sources.crbegin(); it != select.sources.crend(); ++it)
            storedOrder +=
                (storedOrder.isEmpty() ? QStringLiteral(" order by ") : QStringLiteral(", ")) +
                *it + QStringLiteral("._rowid_");
    }
    const Token* storedOrderBefore =
        select.endIndex >= 0 && select.endIndex < static_cast<int>(significant.size())
            ? significant[select.endIndex]
            : nullptr;

    QString out;
    out.reserve(s.size() + 16 + storedOrder.size());
    for (const Token& tok : tokens) {
        if (&tok == hiddenRowIdBefore) out += QLatin1String(", _rowid_ ");
        if (&tok == storedOrderBefore) {
            out += storedOrder + QLatin1Char(' ');
            storedOrder.clear();
        }
        out += tok.text;
    }
    out += storedOrder;
    result.sql = out.toUtf8();
    return result;
}

namespace {

// The shape of a statement: its text with every literal the translation binds
// replaced by ?, and those literals' values. Statements of one shape translate
// alike, so the translation is made once per shape. Returns false for text
// this quick reading does not handle (an unterminated literal or bracket).
bool ReadShape(const QString& s, QString& shape, std::vector<Value>& params) {
    shape.reserve(s.size());
    bool lastWasComparison = false;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const QChar c = s.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            QString value;
            ++i;
            bool closed = false;
            while (i < n) {
                if (s.at(i) == c) {
                    if (i + 1 < n && s.at(i + 1) == c) {
                        value += c;
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                value += s.at(i++);
            }
            if (!closed) return false;
            params.emplace_back(value);
            shape += QLatin1Char('?');
            lastWasComparison = false;
            continue;
        }
        if (c == QLatin1Char('[')) {
            const qsizetype close = s.indexOf(QLatin1Char(']'), i);
            if (close < 0) return false;
            shape += QStringView(s).mid(i, close - i + 1);
            i = close + 1;
            lastWasComparison = false;
            continue;
        }
        if (IsWordStart(c)) {
            const qsizetype start = i;
            while (i < n && IsWordPart(s.at(i)))
                ++i;
            shape += QStringView(s).mid(start, i - start);
            lastWasComparison = false;
            continue;
        }
        if (c.isDigit()) {
            const qsizetype start = i;
            while (i < n && (s.at(i).isDigit() || s.at(i) == QLatin1Char('.')))
                ++i;
            bool ok = false;
            const int value = QStringView(s).mid(start, i - start).toInt(&ok);
            if (ok && lastWasComparison) {
                params.emplace_back(value);
                shape += QLatin1Char('?');
            } else {
                shape += QStringView(s).mid(start, i - start);
            }
            lastWasComparison = false;
            continue;
        }
        shape += c;
        ++i;
        if (!c.isSpace()) {
            lastWasComparison =
                c == QLatin1Char('=') || c == QLatin1Char('<') || c == QLatin1Char('>');
        }
    }
    return true;
}

struct CachedTranslation {
    QByteArray sql;
    QString updatableTable;
};

constexpr qsizetype kShapeCacheLimit = 512;

} // namespace

Translation Translate(const QString& statement, bool withRowId) {
    thread_local QHash<QString, CachedTranslation> cache[2];
    QHash<QString, CachedTranslation>& shapes = cache[withRowId ? 1 : 0];

    QString shape;
    std::vector<Value> params;
    if (!ReadShape(statement, shape, params)) return TranslateFully(statement, withRowId);
    const auto found = shapes.constFind(shape);
    if (found != shapes.constEnd())
        return Translation{found->sql, std::move(params), found->updatableTable};

    Translation full = TranslateFully(statement, withRowId);
    // Only a shape whose literals the full translation binds the same way is kept.
    if (full.params == params) {
        if (shapes.size() >= kShapeCacheLimit) shapes.clear();
        shapes.insert(shape, CachedTranslation{full.sql, full.updatableTable});
    }
    return full;
}

} // namespace dao
