#pragma once
// What the report benchmarks share around their run: the size of the demo database from the
// command line, and an entry that stays off screen unless a platform is asked for and reports
// an exception under the program's name.

#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <exception>

namespace benchreports {

// argv[1] as the number of documents, fallback when absent; 0, after saying why, when it is not a
// positive whole number.
inline int documentsArgument(int argc, char** argv, int fallback, const char* program)
{
    bool ok = true;
    const int documents = argc > 1 ? QByteArray(argv[1]).toInt(&ok) : fallback;
    if (!ok || documents <= 0) {
        std::fprintf(stderr, "%s: the number of documents must be a positive whole number, not \"%s\"\n", program, argv[1]);
        return 0;
    }
    return documents;
}

inline int runOffscreen(int argc, char** argv, const char* program, int (*run)(int, char**))
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", program, e.what());
        return 1;
    }
}

} // namespace benchreports
