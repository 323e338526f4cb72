#include "dao/dialect/Stages.h"

#include "dao/Schema.h"
#include "dao/Text.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace dao::dialect {

const QSet<QString>& NamedTables() {
    static const QSet<QString> set = [] {
        QSet<QString> named;
        for (const SchemaTable& table : kTables)
            if (table.named) named.insert(QString::fromUtf8(table.name));
        return named;
    }();
    return set;
}

namespace {

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
    // Every special letter by its upper case (one to three letters).
    QHash<QString, std::vector<char32_t>> special;
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
                t.special[upperText].push_back(cp);
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

// Every name that upper-cases to value, special letters included, each up to ASCII case, as
// the first index finds them (it holds every name); empty when there are more than
// kCandidateSlots. The upper case of a name is that of its letters one after another, so each
// name is value cut into pieces, each piece the upper case of one letter: the letter itself
// (its ASCII case aside), another letter of that upper case, or a special letter.
QStringList AllCandidates(const QString& value) {
    if (!value.isValidUtf16() || value.contains(QChar(0))) return {};
    const std::vector<char32_t> letters = Letters(value);
    const std::size_t n = letters.size();
    // The letters that can stand for letters [i, i + length) of value, by i and length.
    std::vector<std::array<std::vector<char32_t>, 4>> pieces(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::vector<char32_t>& one = pieces[i][1];
        one.push_back(letters[i]);
        if (letters[i] >= 0x80) {
            const auto found = Cases().sources.constFind(letters[i]);
            if (found != Cases().sources.constEnd())
                one.insert(one.end(), found->begin(), found->end());
        }
        for (std::size_t length = 1; length <= 3 && i + length <= n; ++length) {
            const auto found = Cases().special.constFind(
                Text({letters.begin() + static_cast<std::ptrdiff_t>(i),
                      letters.begin() + static_cast<std::ptrdiff_t>(i + length)}));
            if (found != Cases().special.constEnd())
                pieces[i][length].insert(pieces[i][length].end(), found->begin(), found->end());
        }
    }
    // How many names there are from each position on, counted from the end, capped.
    std::vector<int> count(n + 1, 0);
    count[n] = 1;
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t length = 1; length <= 3 && i + length <= n; ++length)
            count[i] =
                std::min(count[i] + static_cast<int>(pieces[i][length].size()) * count[i + length],
                         kCandidateSlots + 1);
    if (count[0] > kCandidateSlots) return {};
    // Walked without recursion: a name may be long. Every beginning can be ended (each letter
    // stands for itself), so at most kCandidateSlots names are ever begun.
    QStringList out;
    std::vector<std::pair<std::vector<char32_t>, std::size_t>> begun = {{{}, 0}};
    while (!begun.empty()) {
        auto [name, i] = std::move(begun.back());
        begun.pop_back();
        while (i < n) {
            bool first = true;
            std::size_t next = i;
            for (std::size_t length = 1; length <= 3 && i + length <= n; ++length)
                for (char32_t letter : pieces[i][length]) {
                    if (first) {
                        first = false;
                        next = i + length;
                        continue;
                    }
                    std::vector<char32_t> other = name;
                    other.push_back(letter);
                    begun.emplace_back(std::move(other), i + length);
                }
            name.push_back(pieces[i][1].front());
            i = next;
        }
        out << Text(name);
    }
    return out;
}

} // namespace

} // namespace dao::dialect

void dao::PrepareNameLookUp() {
    dao::dialect::Cases();
}

namespace dao::dialect {

std::vector<Value> EngineParams(std::vector<Value> literals, const std::vector<ParamSource>& plan) {
    if (plan.empty()) return literals;
    std::vector<Value> out;
    out.reserve(plan.size());
    QStringList candidates;
    bool special = false;
    for (const ParamSource& p : plan) {
        const Value& literal = literals[static_cast<std::size_t>(p.literal)];
        if (p.slot == ParamSource::kLiteral) {
            out.push_back(literal);
            continue;
        }
        if (p.slot == 0) {
            // Every name that can upper-case to the value, when they are few: then the special
            // names are not read. Otherwise the names without a special letter, and the special
            // names are tested one by one in their index.
            const QString text = literal.IsText() ? std::get<QString>(literal.Raw()) : QString();
            candidates = literal.IsText() ? AllCandidates(text) : QStringList();
            special = candidates.isEmpty();
            if (special && literal.IsText()) candidates = Candidates(text);
        }
        if (p.slot == ParamSource::kSpecial)
            out.emplace_back(special && !candidates.isEmpty() ? 1 : 0);
        else if (p.slot == ParamSource::kScan)
            out.emplace_back(candidates.isEmpty() ? 1 : 0); // too many: read every name
        else if (p.slot < candidates.size())
            out.emplace_back(candidates.at(p.slot));
        else
            out.push_back(candidates.isEmpty() ? literal : Value(candidates.first()));
    }
    return out;
}

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

QString LookUpRows(const QString& table) {
    const QString from = QStringLiteral(" union all select _rowid_ from ") + QuoteIdentifier(table);
    QString marks = QStringLiteral("?");
    for (int i = 1; i < kCandidateSlots; ++i)
        marks += QStringLiteral(", ?");
    return QStringLiteral(" and _rowid_ in (select _rowid_ from ") + QuoteIdentifier(table) +
           QStringLiteral(" where name collate nocase in (") + marks + QStringLiteral(")") + from +
           QStringLiteral(" where ? and name glob '") + QString::fromUtf8(kSpecialPattern) +
           QStringLiteral("' and ucase(name) = ?") + from + QStringLiteral(" where ?))");
}

} // namespace dao::dialect
