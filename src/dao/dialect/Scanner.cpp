#include "dao/dialect/Stages.h"

#include "dao/Error.h"
#include "dao/Text.h"

namespace dao::dialect {

namespace {

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

// The one pass of Scan (dialect/Stages.h).
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

} // namespace

void Scan(const QString& statement, std::vector<Value>& params, QString* shape,
          std::vector<Token>* tokens) {
    Scanner(statement, params, shape, tokens).Run();
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

bool IsSymbol(const Token* tok, const char* symbol) {
    return tok->kind == Kind::Symbol && tok->text == QLatin1String(symbol);
}

} // namespace dao::dialect
