#pragma once
// What the bars learn from the process: environment variables, the command line, the program
// folder and the system's names. Tests install their own instance.

#include <QString>

namespace commandbar {

class BarEnvironment {
public:
    virtual ~BarEnvironment() = default;
    virtual QString variable(const QString& name) const;
    virtual QString commandLine() const;            // the arguments after the program, joined by blanks
    virtual QString programFolder() const;          // without a trailing separator
    virtual QString systemUserName() const;
    virtual QString hostName() const;

    static const BarEnvironment& instance();
    static void setInstance(const BarEnvironment* environment); // nullptr restores the process's
};

} // namespace commandbar
