// rpq_demogen <folder> <database> <seed> <size> [articles]: writes the demo databases and reports the time
// taken; articles defaults to a tenth of the size (80 to 5,000).
// rpq_demogen --encode <text>: prints the text in the stored password form, for the settings file.
// rpq_demogen --check <folder> <database>: prints "ok" and ends with 0 when the databases are
// sound and complete; otherwise prints what is wrong and ends with 1, or with 3 when another
// program is writing one of them (the database is then neither checked nor to be replaced).
#include "DemoGenerator.h"

#include "kit/PasswordCodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--encode")) {
        std::printf("%s\n", qPrintable(kit::PasswordCodec::encode(args[2])));
        return 0;
    }
    if (args.size() == 4 && args[1] == QLatin1String("--check")) {
        const QString busy = demo::DemoGenerator::inUse(args[2], args[3]);
        if (!busy.isEmpty()) {
            std::printf("%s is in use by another program (it holds a write lock)\n", qPrintable(busy));
            return 3;
        }
        const QString problem = demo::DemoGenerator::problem(args[2], args[3]);
        std::printf("%s\n", problem.isEmpty() ? "ok" : qPrintable(problem));
        return problem.isEmpty() ? 0 : 1;
    }
    if (args.size() != 5 && args.size() != 6) {
        std::fprintf(stderr, "usage: rpq_demogen <folder> <database> <seed> <size> [articles]\n"
                             "       rpq_demogen --encode <text>\n"
                             "       rpq_demogen --check <folder> <database>\n");
        return 2;
    }
    bool seedOk = false;
    bool sizeOk = false;
    demo::DemoGenerator::Options options;
    options.folder = args[1];
    options.database = args[2];
    options.seed = args[3].toULongLong(&seedOk);
    options.size = args[4].toInt(&sizeOk);
    bool articlesOk = true;
    if (args.size() == 6)
        options.articles = args[5].toInt(&articlesOk);
    if (!seedOk || !sizeOk || !articlesOk || options.articles < 0) {
        std::fprintf(stderr, "rpq_demogen: seed, size and articles must be whole numbers\n");
        return 2;
    }
    try {
        QElapsedTimer timer;
        timer.start();
        demo::DemoGenerator(options).run();
        std::printf("%s: %d documents in %.2f s\n",
                    qPrintable(demo::DemoGenerator::databasePath(options.folder, options.database)),
                    options.size, static_cast<double>(timer.elapsed()) / 1000.0);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "rpq_demogen: %s\n", error.what());
        return 1;
    }
    return 0;
}
