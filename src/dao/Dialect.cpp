#include "dao/Dialect.h"

#include "dao/Error.h"
#include "dao/Text.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <vector>

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
// the statement's text is written there with those literals replaced by ? (a ?
// or backslash of the text itself after a backslash); with tokens, the engine's tokens.
// Both are made by this one pass, so the shape and the translation always agree
// on the parameters.
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
            } else if (c.isNull() || Unpaired(m_i)) {
                // The engine would read the statement only up to a NUL, and a lone half of
                // a surrogate pair has no UTF-8 form: it would reach the engine as ?.
                SyntaxError(m_s);
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
        if (!m_shape) return;
        const QStringView kept = QStringView(m_s).mid(start, m_i - start);
        if (!kept.contains(QLatin1Char('?')) && !kept.contains(QLatin1Char('\\'))) {
            m_shape->append(kept);
            return;
        }
        // A ? of the text itself is no literal's mark: the shape writes it \?, and a
        // backslash \\, so that no two statements that read differently share a shape.
        for (const QChar c : kept) {
            if (c == QLatin1Char('?') || c == QLatin1Char('\\')) m_shape->append(QLatin1Char('\\'));
            m_shape->append(c);
        }
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
    bool Unpaired(qsizetype i) const {
        const QChar c = m_s.at(i);
        if (c.isHighSurrogate()) return i + 1 >= m_s.size() || !m_s.at(i + 1).isLowSurrogate();
        if (c.isLowSurrogate()) return i == 0 || !m_s.at(i - 1).isHighSurrogate();
        return false;
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
            // A name in brackets goes into the engine's text; a literal is bound as it is.
            if (!doubledEscape && (c.isNull() || Unpaired(m_i))) SyntaxError(m_s);
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

// ---------------------------------------------------------------- German order

// The last token of every ORDER BY term the statement writes, at any level, unless the term
// names a collation of its own: there the term gets the German dictionary order. Numbers
// compare as numbers whatever the collation, so positions and counts sort as before.
std::vector<const Token*> OrderTermEnds(const std::vector<const Token*>& t) {
    std::vector<const Token*> ends;
    const int n = static_cast<int>(t.size());
    for (int i = 0; i + 1 < n; ++i) {
        if (!IsWord(t[i], "order") || !IsWord(t[i + 1], "by")) continue;
        const int depth = t[i]->depth;
        const Token* last = nullptr;
        bool collated = false;
        const auto endTerm = [&] {
            if (last && !collated) ends.push_back(last);
            last = nullptr;
            collated = false;
        };
        int j = i + 2;
        for (; j < n; ++j) {
            const Token* tok = t[j];
            if (tok->depth < depth) break;
            if (tok->depth == depth) {
                // The closing parenthesis of an enclosing sub-select has this depth too.
                if (tok->kind == Kind::Symbol &&
                    (tok->text == QLatin1String(")") || tok->text == QLatin1String(";")))
                    break;
                if (IsWord(tok, "limit")) break;
                if ((tok->kind == Kind::Symbol && tok->text == QLatin1String(",")) ||
                    IsWord(tok, "asc") || IsWord(tok, "desc")) {
                    endTerm();
                    continue;
                }
                if (IsWord(tok, "collate")) collated = true;
            }
            last = tok;
        }
        endTerm();
        i = j - 1;
    }
    return ends;
}

// ---------------------------------------------------------------- look-ups by name

// Names are looked up with ucase(name) = V, V upper-cased by the program. The file keeps
// two indexes per named table that the engine maintains by itself: one on the name without
// regard to ASCII case, and one holding only names with a special letter, one whose upper
// case is longer than one letter or plain ASCII (ß as SS, dotless i as I). A name without a
// special letter upper-cases letter by letter, so it is V with each non-ASCII letter C of V
// replaced by a letter whose upper case is C, up to ASCII case: one of a few candidates,
// found through the first index. Every other name is in the second index.
constexpr int kCandidateSlots = 16;

const QSet<QString>& NamedTables() {
    static const QSet<QString> set = {QStringLiteral("cocktails"),
                                      QStringLiteral("cocktailgruppen"), QStringLiteral("zutaten"),
                                      QStringLiteral("deko"), QStringLiteral("zutatensetup")};
    return set;
}

// The pattern of the second index, exactly as the file's schema writes it: the engine uses the
// index only for this very text. Two of its Greek letters are written as escapes, since they
// are equal under normalisation to two others in the list and an editor may merge them.
const char kSpecialPattern[] = "*["
                               "ßıŉſǰΐΰևẖẗẘẙẚὐὒὔὖᾀᾁᾂᾃᾄᾅᾆᾇᾈᾉᾊᾋᾌᾍᾎᾏᾐᾑᾒᾓᾔᾕᾖᾗᾘᾙᾚᾛᾜᾝᾞᾟᾠᾡᾢᾣᾤᾥᾦᾧᾨᾩᾪᾫᾬᾭᾮᾯᾲᾳ"
                               "ᾴᾶᾷᾼῂῃῄῆῇῌῒ"
                               "\u1FD3"
                               "ῖῗῢ"
                               "\u1FE3"
                               "ῤῦῧῲῳῴῶῷῼﬀﬁﬂﬃﬄﬅﬆﬓﬔﬕﬖﬗ]*";

// A text's code points, and back; unlike the UCS-4 conversions of QString these keep a
// byte order mark like any other letter.
std::vector<char32_t> Letters(const QString& text) {
    std::vector<char32_t> out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            out.push_back(QChar::surrogateToUcs4(c, text.at(++i)));
        else
            out.push_back(c.unicode());
    }
    return out;
}
QString Text(const std::vector<char32_t>& letters) {
    QString out;
    for (char32_t cp : letters) {
        if (QChar::requiresSurrogates(cp)) {
            out += QChar(QChar::highSurrogate(cp));
            out += QChar(QChar::lowSurrogate(cp));
        } else {
            out += QChar(static_cast<char16_t>(cp));
        }
    }
    return out;
}

// The upper-casing of the program letter by letter, built once over all code points.
struct CaseTable {
    // For a letter, every other letter that upper-cases to it alone.
    QHash<char32_t, std::vector<char32_t>> sources;
    // The upper case of each special letter the pattern lacks: a name with such a letter
    // is in neither index, so a value containing one is answered by reading every name.
    QStringList unindexed;
};

const CaseTable& Cases() {
    static const CaseTable table = [] {
        CaseTable t;
        const std::vector<char32_t> pattern = Letters(QString::fromUtf8(kSpecialPattern));
        for (char32_t cp = 0x80; cp <= 0x10FFFF; ++cp) {
            if (QChar::isSurrogate(cp) || QChar::category(cp) == QChar::Other_NotAssigned) continue;
            const QString upperText = UCase(Text({cp}));
            const std::vector<char32_t> upper = Letters(upperText);
            if (upper.size() != 1 || upper[0] < 0x80) {
                if (std::find(pattern.begin(), pattern.end(), cp) == pattern.end())
                    t.unindexed << upperText;
            } else if (upper[0] != cp) {
                t.sources[upper[0]].push_back(cp);
            }
        }
        return t;
    }();
    return table;
}

// The names without a special letter that can upper-case to value, each up to ASCII case, as
// the first index finds them; empty when there are more than kCandidateSlots, or when a name
// outside both indexes could upper-case to value (then every name is read).
QStringList Candidates(const QString& value) {
    if (!value.isValidUtf16()) return {};
    // The engine's glob reads a name only up to a NUL: a name with one may be in neither
    // index, and so may one whose upper case is value.
    if (value.contains(QChar(0))) return {};
    for (const QString& upper : Cases().unindexed)
        if (value.contains(upper)) return {};
    const std::vector<char32_t> letters = Letters(value);
    std::vector<std::vector<char32_t>> choices(letters.size());
    int count = 1;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        std::vector<char32_t>& options = choices[i];
        options.push_back(letters[i]);
        if (letters[i] < 0x80) continue;
        const auto found = Cases().sources.constFind(letters[i]);
        if (found == Cases().sources.constEnd()) continue;
        options.insert(options.end(), found->begin(), found->end());
        count *= static_cast<int>(options.size());
        if (count > kCandidateSlots) return {};
    }
    QStringList out;
    std::vector<std::size_t> pick(choices.size(), 0);
    std::vector<char32_t> text(choices.size());
    for (;;) {
        for (std::size_t i = 0; i < choices.size(); ++i)
            text[i] = choices[i][pick[i]];
        out << Text(text);
        std::size_t i = 0;
        while (i < choices.size() && ++pick[i] == choices[i].size())
            pick[i++] = 0;
        if (i == choices.size()) return out;
    }
}

// Where an engine parameter's value comes from: a literal of the statement, or what a name
// look-up makes of it.
struct ParamSource {
    static constexpr int kLiteral = -1;
    static constexpr int kScan = kCandidateSlots;
    int literal; // the literal's number in the statement
    int slot;    // kLiteral, a candidate 0..kCandidateSlots-1, or kScan
};

// The engine's parameters from the statement's literals.
std::vector<Value> EngineParams(std::vector<Value> literals, const std::vector<ParamSource>& plan) {
    if (plan.empty()) return literals;
    std::vector<Value> out;
    out.reserve(plan.size());
    QStringList candidates;
    for (const ParamSource& p : plan) {
        const Value& literal = literals[static_cast<std::size_t>(p.literal)];
        if (p.slot == ParamSource::kLiteral) {
            out.push_back(literal);
            continue;
        }
        if (p.slot == 0)
            candidates =
                literal.IsText() ? Candidates(std::get<QString>(literal.Raw())) : QStringList();
        if (p.slot == ParamSource::kScan)
            out.emplace_back(candidates.isEmpty() ? 1 : 0); // too many: read every name
        else if (p.slot < candidates.size())
            out.emplace_back(candidates.at(p.slot));
        else
            out.push_back(candidates.isEmpty() ? literal : Value(candidates.first()));
    }
    return out;
}

bool IsSymbol(const Token* tok, const char* symbol) {
    return tok->kind == Kind::Symbol && tok->text == QLatin1String(symbol);
}

// The look-ups ucase(name) = literal of a SELECT over one named table that can be answered
// through the name indexes: at the outer level of its WHERE clause, joined to the rest only
// by AND and OR, so the look-up decides the same rows if it answers false where it answered
// Null. Yields the position of each such ucase among the significant tokens.
std::vector<int> NameLookUps(const std::vector<const Token*>& t, const SelectShape& select) {
    std::vector<int> found;
    if (select.sources.size() != 1 || !NamedTables().contains(select.firstTable)) return found;
    const int n = static_cast<int>(t.size());
    int where = -1;
    int end = n;
    for (int i = select.fromIndex + 1; i < n; ++i) {
        if (t[i]->depth != 0) continue;
        if (IsSymbol(t[i], ";")) {
            end = std::min(end, i);
        } else if (t[i]->kind != Kind::Word) {
            continue;
        } else if (t[i]->text == QLatin1String("where")) {
            if (where < 0) where = i;
        } else if (t[i]->text == QLatin1String("union") ||
                   t[i]->text == QLatin1String("intersect") ||
                   t[i]->text == QLatin1String("except")) {
            return found; // a compound statement: its parts read other tables
        } else if (t[i]->text == QLatin1String("group") || t[i]->text == QLatin1String("order") ||
                   t[i]->text == QLatin1String("having") || t[i]->text == QLatin1String("limit")) {
            end = std::min(end, i);
        }
    }
    if (where < 0) return found;
    // BETWEEN x AND y and CASE ... END also use AND or a condition's value.
    for (int i = where + 1; i < end; ++i)
        if (t[i]->depth == 0 && (IsWord(t[i], "between") || IsWord(t[i], "case"))) return found;
    const auto joins = [&](int i) { return i >= end || IsWord(t[i], "and") || IsWord(t[i], "or"); };
    for (int i = where + 1; i + 5 < end; ++i) {
        if (t[i]->depth == 0 && IsWord(t[i], "ucase") && IsSymbol(t[i + 1], "(") &&
            IsWord(t[i + 2], "name") && IsSymbol(t[i + 3], ")") && IsSymbol(t[i + 4], "=") &&
            t[i + 5]->kind == Kind::Literal && (i == where + 1 || joins(i - 1)) && joins(i + 6))
            found.push_back(i);
    }
    return found;
}

// What a look-up by name adds behind its literal: the rows to test, from the candidates
// (?), the special names that upper-case to the value (?) and, when there are too many
// candidates, every row.
QString LookUpRows(const QString& table) {
    const QString from = QStringLiteral(" union all select _rowid_ from ") + QuoteIdentifier(table);
    QString marks = QStringLiteral("?");
    for (int i = 1; i < kCandidateSlots; ++i)
        marks += QStringLiteral(", ?");
    return QStringLiteral(" and _rowid_ in (select _rowid_ from ") + QuoteIdentifier(table) +
           QStringLiteral(" where name collate nocase in (") + marks + QStringLiteral(")") + from +
           QStringLiteral(" where name glob '") + QString::fromUtf8(kSpecialPattern) +
           QStringLiteral("' and ucase(name) = ?") + from + QStringLiteral(" where ?))");
}

// The engine SQL of a statement from its tokens: the hidden row id of a record set that adds
// and deletes, the order of storage where the statement gives none, German order in the order
// it gives, and look-ups by name through the name indexes. plan receives where each engine
// parameter comes from; it stays empty when they are the literals as they are.
struct Built {
    Translation translation;
    std::vector<ParamSource> plan;
};

Built Build(const std::vector<Token>& tokens, bool withRowId, qsizetype size) {
    Built built;
    Translation& result = built.translation;
    const std::vector<const Token*> significant = Significant(tokens);
    const SelectShape select = ReadSelect(significant);
    if (withRowId && select.plainRows && select.sources.size() == 1)
        result.updatableTable = select.firstTable;

    // Text added before and after single tokens.
    const auto at = [&](const Token* tok) { return static_cast<std::size_t>(tok - tokens.data()); };
    std::vector<QString> before(tokens.size());
    std::vector<QString> after(tokens.size());

    // The list of every name of a named table in German order. Read from the index on the
    // name, which holds all names in nearly that order, instead of from the whole table: the
    // engine would otherwise read every record and sort from scratch.
    if (significant.size() == 7 && IsWord(significant[1], "name") &&
        NamedTables().contains(select.firstTable) && select.fromIndex == 2 &&
        select.sources.size() == 1 && select.sources.first() == select.firstTable &&
        IsWord(significant[4], "order") && IsWord(significant[5], "by") &&
        IsWord(significant[6], "name")) {
        const QString rowId =
            result.updatableTable.isEmpty() ? QString() : QStringLiteral(", velkor_zeile");
        result.sql =
            (QStringLiteral("select name") + rowId + QStringLiteral(" from (select name") +
             (rowId.isEmpty() ? QString() : QStringLiteral(", _rowid_ as velkor_zeile")) +
             QStringLiteral(" from ") + QuoteIdentifier(select.firstTable) +
             QStringLiteral(" order by name collate nocase) order by name collate deutsch"))
                .toUtf8();
        return built;
    }

    // A record set that adds and deletes carries each row's id as a hidden last column, so
    // the positions of the columns written stay as they are (ORDER BY 1 keeps meaning the
    // first of them).
    if (!result.updatableTable.isEmpty())
        before[at(significant[select.fromIndex])] += QLatin1String(", _rowid_ ");
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
    if (select.endIndex >= 0 && select.endIndex < static_cast<int>(significant.size())) {
        before[at(significant[select.endIndex])] += storedOrder + QLatin1Char(' ');
        storedOrder.clear();
    }
    for (const Token* end : OrderTermEnds(significant))
        after[at(end)] += QLatin1String(" collate deutsch");

    std::vector<char> lookUpLiteral(tokens.size(), 0);
    if (select.select && select.fromIndex >= 0) {
        const QString rows = LookUpRows(select.firstTable);
        for (int i : NameLookUps(significant, select)) {
            before[at(significant[static_cast<std::size_t>(i)])] += QLatin1Char('(');
            const std::size_t literal = at(significant[static_cast<std::size_t>(i) + 5]);
            after[literal] += rows;
            lookUpLiteral[literal] = 1;
        }
    }

    QString out;
    out.reserve(size + 16 + storedOrder.size());
    int literal = 0;
    bool anyLookUp = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        out += before[i] + tokens[i].text + after[i];
        if (tokens[i].kind != Kind::Literal) continue;
        built.plan.push_back({literal, ParamSource::kLiteral});
        if (lookUpLiteral[i]) {
            anyLookUp = true;
            for (int slot = 0; slot < kCandidateSlots; ++slot)
                built.plan.push_back({literal, slot});
            // The special names are tested in their index, without reading their records.
            built.plan.push_back({literal, ParamSource::kLiteral});
            built.plan.push_back({literal, ParamSource::kScan});
        }
        ++literal;
    }
    out += storedOrder;
    if (!anyLookUp) built.plan.clear();
    result.sql = out.toUtf8();
    return built;
}

struct CachedTranslation {
    QByteArray sql;
    QString updatableTable;
    std::vector<ParamSource> plan;
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
        return Translation{found->sql, EngineParams(std::move(params), found->plan),
                           found->updatableTable};
    }
    ++Counts().misses;

    std::vector<Token> tokens;
    tokens.reserve(32);
    std::vector<Value> same; // the scanner finds the same parameters again
    Scanner(statement, same, nullptr, &tokens).Run();
    Built built = Build(tokens, withRowId, statement.size());
    Translation& full = built.translation;
    full.params = EngineParams(std::move(params), built.plan);
    if (shapes.size() >= kShapeCacheLimit) shapes.clear();
    shapes.insert(shape, CachedTranslation{full.sql, full.updatableTable, std::move(built.plan)});
    return std::move(full);
}

} // namespace dao
