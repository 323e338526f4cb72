#include "dao/Text.h"

#include <QByteArray>
#include <QChar>
#include <algorithm>
#include <array>
#include <cstring>

namespace dao {

QString UCase(const QString& text) {
    QString upper = text.toUpper();
    // The capital ß upper-cases to itself; the name rule takes it as the ß it stands for: SS.
    if (upper.contains(QChar(0x1E9E))) upper.replace(QChar(0x1E9E), QStringLiteral("SS"));
    return upper;
}

QString Quoted(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : text) {
        if (c == QLatin1Char('"')) out += QLatin1Char('"');
        out += c;
    }
    out += QLatin1Char('"');
    return out;
}

namespace {

// Walks a UTF-8 text and yields its characters folded for the primary
// comparison: lower case, without accents, ß as two s.
class FoldedReader {
public:
    FoldedReader(const unsigned char* p, std::size_t n) : m_p(p), m_end(p + n) {}

    // Next folded character, or -1 at the end.
    long Next() {
        if (m_pending) {
            const long c = m_pending;
            m_pending = 0;
            return c;
        }
        if (m_p >= m_end) return -1;
        const unsigned char b = *m_p;
        if (b < 0x80) {
            ++m_p;
            return (b >= 'A' && b <= 'Z') ? b + ('a' - 'A') : b;
        }
        return Fold(Decode());
    }

private:
    char32_t Decode() {
        const unsigned char b = *m_p++;
        int extra = 0;
        char32_t cp = 0;
        if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            extra = 1;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            extra = 2;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            extra = 3;
        } else {
            return 0xFFFD;
        }
        while (extra-- > 0 && m_p < m_end && (*m_p & 0xC0) == 0x80)
            cp = (cp << 6) | (*m_p++ & 0x3F);
        return cp;
    }

    long Fold(char32_t cp) {
        if (cp == 0x00DF || cp == 0x1E9E) { // ß, capital ß
            m_pending = 's';
            return 's';
        }
        // The Latin letters of European names come from a table built once.
        static const std::array<long, kTabelliert> table = [] {
            std::array<long, kTabelliert> t{};
            for (char32_t c = 0; c < kTabelliert; ++c)
                t[c] = FoldLetter(c);
            return t;
        }();
        return cp < kTabelliert ? table[cp] : FoldLetter(cp);
    }

    static constexpr char32_t kTabelliert = 0x0250;

    // Lower case of the letter without its accent.
    static long FoldLetter(char32_t cp) {
        if (QChar::decompositionTag(cp) == QChar::Canonical) {
            const QString d = QChar::decomposition(cp);
            if (!d.isEmpty()) {
                const QChar first = d.at(0);
                if (!first.isSurrogate()) cp = first.unicode();
            }
        }
        return static_cast<long>(QChar::toLower(cp));
    }

    const unsigned char* m_p;
    const unsigned char* m_end;
    long m_pending = 0;
};

} // namespace

int CompareGerman(const char* a, std::size_t aLen, const char* b, std::size_t bLen) {
    FoldedReader ra(reinterpret_cast<const unsigned char*>(a), aLen);
    FoldedReader rb(reinterpret_cast<const unsigned char*>(b), bLen);
    for (;;) {
        const long ca = ra.Next();
        const long cb = rb.Next();
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca < 0) break;
    }
    const int exact = std::memcmp(a, b, std::min(aLen, bLen));
    if (exact != 0) return exact;
    return aLen == bLen ? 0 : (aLen < bLen ? -1 : 1);
}

int CompareGerman(const QString& a, const QString& b) {
    const QByteArray ua = a.toUtf8();
    const QByteArray ub = b.toUtf8();
    return CompareGerman(ua.constData(), static_cast<std::size_t>(ua.size()), ub.constData(),
                         static_cast<std::size_t>(ub.size()));
}

// The engine quotes identifiers by the same rule as the dialect quotes text.
QString QuoteIdentifier(const QString& name) {
    return Quoted(name);
}

} // namespace dao
