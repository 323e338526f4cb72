#pragma once
// The stages of the translation declared in dao/Dialect.h, one file each: the scanner and the
// shape of a statement (Scanner.cpp), the reading of a SELECT (Select.cpp), German order
// (GermanOrder.cpp), look-ups by name (NameLookUp.cpp), the engine statement (Build.cpp) and
// the cache of shapes, which translates (ShapeCache.cpp). Only these files include it.

#include "dao/Dialect.h"
#include "dao/Value.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

namespace dao::dialect {

// ---------------------------------------------------------------- Scanner.cpp

enum class Kind { Space, Word, Literal, Number, Bracket, Symbol };

struct Token {
    Kind kind;
    QString text; // engine text of the token
    int depth;    // parenthesis depth
};

// The one reading of a statement. Every literal that becomes a bound parameter
// is appended to params: text in double (or single) quotes, a doubled quote
// inside standing for one, and a whole number that follows a comparison (a
// number elsewhere, as in ORDER BY 1 or nr + 1, stays in the text). With shape,
// the statement's text is written there with those literals replaced by ? (a ?
// or backslash of the text itself after a backslash); with tokens, the engine's tokens.
// Both are made by this one pass, so the shape and the translation always agree
// on the parameters.
void Scan(const QString& statement, std::vector<Value>& params, QString* shape,
          std::vector<Token>* tokens);

// The tokens other than blanks.
std::vector<const Token*> Significant(const std::vector<Token>& tokens);
bool IsWord(const Token* tok, const char* word);
bool IsSymbol(const Token* tok, const char* symbol);

// ---------------------------------------------------------------- Select.cpp

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

SelectShape ReadSelect(const std::vector<const Token*>& t);

// ---------------------------------------------------------------- GermanOrder.cpp

// The last token of every ORDER BY term the statement writes, at any level, unless the term
// names a collation of its own: there the term gets the German dictionary order. Numbers
// compare as numbers whatever the collation, so positions and counts sort as before.
std::vector<const Token*> OrderTermEnds(const std::vector<const Token*>& t);

// ---------------------------------------------------------------- NameLookUp.cpp

// Names are looked up with ucase(name) = V, V upper-cased by the program. The file keeps
// two indexes per named table that the engine maintains by itself: one on the name without
// regard to ASCII case, and one holding only names with a special letter, one whose upper
// case is longer than one letter or plain ASCII (ß as SS, dotless i as I). A name without a
// special letter upper-cases letter by letter, so it is V with each non-ASCII letter C of V
// replaced by a letter whose upper case is C, up to ASCII case: one of a few candidates,
// found through the first index. Every other name is in the second index.
constexpr int kCandidateSlots = 32;

// The named tables of the schema (dao/Schema.h).
const QSet<QString>& NamedTables();

// Where an engine parameter's value comes from: a literal of the statement, or what a name
// look-up makes of it.
struct ParamSource {
    static constexpr int kLiteral = -1;
    static constexpr int kScan = kCandidateSlots;
    static constexpr int kSpecial = kCandidateSlots + 1;
    int literal; // the literal's number in the statement
    int slot;    // kLiteral, a candidate 0..kCandidateSlots-1, kSpecial or kScan
};

// The engine's parameters from the statement's literals.
std::vector<Value> EngineParams(std::vector<Value> literals, const std::vector<ParamSource>& plan);

// The look-ups ucase(name) = literal of a SELECT over one named table that can be answered
// through the name indexes: at the outer level of its WHERE clause, joined to the rest only
// by AND and OR, so the look-up decides the same rows if it answers false where it answered
// Null. Yields the position of each such ucase among the significant tokens.
std::vector<int> NameLookUps(const std::vector<const Token*>& t, const SelectShape& select);

// What a look-up by name adds behind its literal: the rows to test, from the candidates
// (?), the special names that upper-case to the value (whether to read them ?, the value ?)
// and, when there are too many candidates, every row.
QString LookUpRows(const QString& table);

// ---------------------------------------------------------------- Build.cpp

// The engine SQL of a statement from its tokens: the hidden row id of a record set that adds
// and deletes, the order of storage where the statement gives none, German order in the order
// it gives, and look-ups by name through the name indexes. plan receives where each engine
// parameter comes from; it stays empty when they are the literals as they are.
struct Built {
    Translation translation;
    std::vector<ParamSource> plan;
};

Built Build(const std::vector<Token>& tokens, bool withRowId, qsizetype size);

} // namespace dao::dialect
