#pragma once
// Builds the seed database (schema, reference tables and dish catalogue) from the data files.

#include <QString>
#include <stdexcept>

namespace mirte::seed {

class BuildError : public std::runtime_error {
public:
    explicit BuildError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

struct Counts {
    int foods = 0, amino = 0, fatty = 0, standards = 0, basal = 0, activities = 0, methods = 0;
    int categories = 0, dishes = 0, ingredients = 0, servings = 0, synonyms = 0, readings = 0;
};

// Reads the files under dataDir and writes a new database at outPath (replacing an older one only
// once the new one is complete). Throws BuildError, CsvError or DbError.
Counts build(const QString &dataDir, const QString &outPath);

} // namespace mirte::seed
