#pragma once

#include <QString>

#include <cstdint>

namespace demo {

// Builds the demo suite database <folder>/<database>.db and the statistics database
// <folder>/KQ_ESTADISTICAS.db. The same seed and size give the same rows.
class DemoGenerator
{
public:
    struct Options
    {
        QString folder;
        QString database = QStringLiteral("DEMO");
        std::uint64_t seed = 1;
        int size = 2000; // purchase documents
    };

    explicit DemoGenerator(Options options);

    void run();

    static QString statisticsDatabase() { return QStringLiteral("KQ_ESTADISTICAS"); }
    static QString databasePath(const QString &folder, const QString &database);
    // Opens <folder>/<database>.db through the database layer's embedded engine.
    static QString connectionString(const QString &folder, const QString &database);

private:
    void createDatabase(const QString &database, const QString &script);
    void writeSuiteDatabase();
    void writeStatisticsDatabase();
    static QString resourceText(const QString &name);

    Options m_options;
};

} // namespace demo
