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

[[noreturn]] void SyntaxError(const QString& statement) {
    throw Error(errSyntax,
                QStringLiteral("Syntaxfehler in der Abfrage: %1").arg(statement.trimmed()));
}

// The one reading of a statement. Every literal that becomes a bound parameter
// is appended to params: text in double (or single) quotes, a doubled quote
// inside standing for one, and a whole number that follows a comparison (a
// number elsewhere, as in ORDER BY 1 or nr + 1, stays in the text). With shape,
// the statement's text is written there with those literals replaced by ?;
// with tokens, the engine's tokens. Both are made by this one pass, so the
// shape and the translation always agree on the parameters.
class Scanner {
public:
    Scanner(const QString& s, std::vector<Value>& params, QString* shape,
            std::vector<Token>* tokens)
        : m_s(s), m_params(params), m_shape(shape), m_tokens(tokens) {}

    void Run() {
        const qsizetype n = m_s.size();
        while (m_i < n) {
            const QChar c = m_s.at(m_i);
            const qsizetype start = m_i;
            if (c.isSpace()) {
                while (m_i < n && m_s.at(m_i).isSpace())
                    ++m_i;
                Keep(start);
                Emit(Kind::Space, [&] { return m_s.mid(start, m_i - start); });
            } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                m_params.emplace_back(ReadQuoted(c, true));
                Parameter();
            } else if (c == QLatin1Char('[')) {
                const QString name = ReadQuoted(QLatin1Char(']'), false);
                Keep(start);
                Emit(Kind::Bracket, [&] { return QuoteIdentifier(name.toLower()); });
                m_afterComparison = false;
            } else if (IsWordStart(c)) {
                while (m_i < n && IsWordPart(m_s.at(m_i)))
                    ++m_i;
                Keep(start);
                Word(QStringView(m_s).mid(start, m_i - start));
                m_afterComparison = false;
            } else if (c.isDigit()) {
                while (m_i < n && (m_s.at(m_i).isDigit() || m_s.at(m_i) == QLatin1Char('.')))
                    ++m_i;
                const QStringView number = QStringView(m_s).mid(start, m_i - start);
                bool whole = false;
                const int value = number.toInt(&whole);
                if (whole && m_afterComparison) {
                    m_params.emplace_back(value);
                    Parameter();
                } else {
                    Keep(start);
                    Emit(Kind::Number, [&] { return number.toString(); });
                    m_afterComparison = false;
                }
            } else {
                Symbol(c);
            }
        }
    }

private:
    template <class MakeText> void Emit(Kind kind, MakeText&& text) {
        if (m_tokens) m_tokens->push_back({kind, text(), m_depth});
    }
    void Keep(qsizetype start) {
        if (m_shape) m_shape->append(QStringView(m_s).mid(start, m_i - start));
    }
    void Parameter() {
        if (m_shape) m_shape->append(QLatin1Char('?'));
        Emit(Kind::Literal, [] { return QStringLiteral("?"); });
        m_afterComparison = false;
    }
    void Word(QStringView word) {
        if (!m_tokens) return;
        const QString lower = word.toString().toLower();
        // Yes/no constants of the dialect.
        if (lower == QLatin1String("true"))
            Emit(Kind::Number, [] { return QStringLiteral("1"); });
        else if (lower == QLatin1String("false"))
            Emit(Kind::Number, [] { return QStringLiteral("0"); });
        else
            Emit(Kind::Word, [&] { return lower; });
    }
    // Operators and punctuation: one character, or <>, <=, >=, !=.
    void Symbol(QChar c) {
        const qsizetype start = m_i;
        ++m_i;
        if ((c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('!')) &&
            m_i < m_s.size()) {
            const QChar next = m_s.at(m_i);
            if (next == QLatin1Char('=') || (c == QLatin1Char('<') && next == QLatin1Char('>')))
                ++m_i;
        }
        Keep(start);
        const QStringView symbol = QStringView(m_s).mid(start, m_i - start);
        if (symbol == QLatin1String("(")) ++m_depth;
        Emit(Kind::Symbol, [&] {
            return symbol == QLatin1String("&") ? QStringLiteral("||") : symbol.toString();
        });
        if (symbol == QLatin1String(")")) --m_depth;
        m_afterComparison = c == QLatin1Char('=') || c == QLatin1Char('<') ||
                            c == QLatin1Char('>') || symbol == QLatin1String("!=");
    }
    // A quoted piece from the opening quote at the cursor; the cursor ends behind
    // the closing quote. Throws 3075 when it is not closed.
    QString ReadQuoted(QChar close, bool doubledEscape) {
        QString out;
        ++m_i;
        while (m_i < m_s.size()) {
            const QChar c = m_s.at(m_i);
            if (c == close) {
                if (doubledEscape && m_i + 1 < m_s.size() && m_s.at(m_i + 1) == close) {
                    out += close;
                    m_i += 2;
                    continue;
                }
                ++m_i;
                return out;
            }
            out += c;
            ++m_i;
        }
        SyntaxError(m_s);
    }

    const QString& m_s;
    std::vector<Value>& m_params;
    QString* m_shape;
    std::vector<Token>* m_tokens;
    qsizetype m_i = 0;
    int m_depth = 0;
    bool m_afterComparison = false;
};

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

// The engine SQL of a statement from its tokens: the hidden row id of a record
// set that adds and deletes, and the order of storage where the statement
// gives none.
Translation Build(const std::vector<Token>& tokens, bool withRowId, qsizetype size) {
    Translation result;
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
    out.reserve(size + 16 + storedOrder.size());
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

struct CachedTranslation {
    QByteArray sql;
    QString updatableTable;
};

constexpr qsizetype kShapeCacheLimit = 512;

ShapeCacheCounts& Counts() {
    thread_local ShapeCacheCounts counts;
    return counts;
}

} // namespace

ShapeCacheCounts ShapeCache() {
    return Counts();
}

Translation Translate(const QString& statement, bool withRowId) {
    // Statements of one shape (the same text but for their literal values) translate alike,
    // so the translation is made once per shape and kept.
    thread_local QHash<QString, CachedTranslation> cache[2];
    QHash<QString, CachedTranslation>& shapes = cache[withRowId ? 1 : 0];

    QString shape;
    shape.reserve(statement.size());
    std::vector<Value> params;
    Scanner(statement, params, &shape, nullptr).Run();
    const auto found = shapes.constFind(shape);
    if (found != shapes.constEnd()) {
        ++Counts().hits;
        return Translation{found->sql, std::move(params), found->updatableTable};
    }
    ++Counts().misses;

    std::vector<Token> tokens;
    tokens.reserve(32);
    std::vector<Value> same; // the scanner finds the same parameters again
    Scanner(statement, same, nullptr, &tokens).Run();
    Translation full = Build(tokens, withRowId, statement.size());
    full.params = std::move(params);
    if (shapes.size() >= kShapeCacheLimit) shapes.clear();
    shapes.insert(shape, CachedTranslation{full.sql, full.updatableTable});
    return full;
}

} // namespace dao
