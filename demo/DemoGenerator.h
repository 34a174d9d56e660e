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
        int articles = 0; // articles; 0 takes a tenth of the size (80 to 5,000)
    };

    explicit DemoGenerator(Options options);

    void run();

    // What makes the databases of a folder unfit to start the program on: a missing, damaged
    // (by SQLite's quick check) or incomplete (rows missing) database; empty when both are sound.
    static QString problem(const QString &folder, const QString &database);
    // The path of a database of the folder that another program is writing (it holds a write
    // lock for longer than a moment); empty when neither is. Such a database is not damaged,
    // and building it again would throw away what that program and the operators stored in it.
    static QString inUse(const QString &folder, const QString &database);

    static QString statisticsDatabase() { return QStringLiteral("KQ_ESTADISTICAS"); }
    static QString databasePath(const QString &folder, const QString &database);
    // Opens <folder>/<database>.db through the database layer's embedded engine.
    static QString connectionString(const QString &folder, const QString &database);

private:
    void createDatabase(const QString &database, const QString &script);
    void writeSuiteDatabase();
    void writeStatisticsDatabase();
    static QString resourceText(const QString &name);
    static QString fileProblem(const QString &path, const char *rowsQuery);
    static bool fileInUse(const QString &path);

    Options m_options;
};

} // namespace demo
