#include "dao/dialect/Stages.h"

namespace dao::dialect {

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

} // namespace dao::dialect
