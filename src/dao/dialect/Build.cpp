#include "dao/dialect/Stages.h"

#include "dao/Text.h"

namespace dao::dialect {

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

    // The list of every name of a named table in German order, alone or with each one's
    // number. Read from the index on the name, which holds all names (and the numbers, the
    // records' keys) in nearly that order, instead of from the whole table: the engine would
    // otherwise read every record and sort from scratch.
    const bool mitNummer = significant.size() == 9 && significant[2]->text == QLatin1String(",") &&
                           IsWord(significant[3], "nr");
    const std::size_t n = mitNummer ? 2 : 0;
    if (significant.size() == 7 + n && IsWord(significant[1], "name") &&
        NamedTables().contains(select.firstTable) && select.fromIndex == 2 + static_cast<int>(n) &&
        select.sources.size() == 1 && select.sources.first() == select.firstTable &&
        IsWord(significant[4 + n], "order") && IsWord(significant[5 + n], "by") &&
        IsWord(significant[6 + n], "name")) {
        const QString spalten = mitNummer ? QStringLiteral("name, nr") : QStringLiteral("name");
        const QString rowId =
            result.updatableTable.isEmpty() ? QString() : QStringLiteral(", velkor_zeile");
        result.sql =
            (QStringLiteral("select ") + spalten + rowId + QStringLiteral(" from (select ") +
             spalten + (rowId.isEmpty() ? QString() : QStringLiteral(", _rowid_ as velkor_zeile")) +
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
            built.plan.push_back({literal, ParamSource::kSpecial});
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

} // namespace dao::dialect
