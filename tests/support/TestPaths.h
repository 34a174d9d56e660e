#pragma once
// Where a test finds the files of this clone and of its build. The folders are compiled into one
// small source the build generates (TestPaths.cpp), never into the tests themselves: the tests'
// objects then compile alike in every clone, and a fresh clone is served from the compiler cache.

#include <QString>

namespace testpaths {

QString sourceDir();     // the clone
QString programDir();    // the program's folder in the build (src/program)
QString demogen();       // the demo generator executable

inline QString source(const QString& relative) { return sourceDir() + u'/' + relative; }
inline QString demoReports() { return source(QStringLiteral("demo/reports")); }

} // namespace testpaths
