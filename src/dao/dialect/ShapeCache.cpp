#include "dao/dialect/Stages.h"

#include <QHash>

namespace dao {

using namespace dialect;

namespace {

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
    Scan(statement, params, &shape, nullptr);
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
    Scan(statement, same, nullptr, &tokens);
    Built built = Build(tokens, withRowId, statement.size());
    Translation& full = built.translation;
    full.params = EngineParams(std::move(params), built.plan);
    if (shapes.size() >= kShapeCacheLimit) shapes.clear();
    shapes.insert(shape, CachedTranslation{full.sql, full.updatableTable, std::move(built.plan)});
    return std::move(full);
}

} // namespace dao
