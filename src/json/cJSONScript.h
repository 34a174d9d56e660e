#pragma once
// Runs a small script written as JSON and returns the text it produces. The script is an array
// whose texts are copied to the output and whose objects are commands: each key names a
// command ("alert", "input", "switch", "set", "get", "if", "return"; any other name gives a
// "<%NAME(arguments)%>" marker) and its value holds the parameters, which are executed in
// turn, so commands nest. Variables set by "set" live as long as the object.
// One run (an Eval, or an ExecCommand called from outside) builds at most MaxBuilt characters
// (16 Mi, 32 MB of text), counting every text a step adds to its output; past that it raises
// error 6, so that a script of a few KB that doubles a value at each step ends long before it
// could exhaust memory. The scripts the suite writes build a few KB.

#include "json/cStringBuilder.h"
#include "vb/Variant.h"

#include <QHash>
#include <QString>

namespace vb {
class Collection;
class Dictionary;
}

namespace json {

class cJSONScript {
public:
    static constexpr int MaxNesting = 41;
    static constexpr std::int32_t MaxBuilt = 16 * 1024 * 1024;

    // Output of the script; a text that does not parse shows "Parser Error" and gives "".
    // A top-level element or a command value of the wrong kind raises vb::Error.
    QString Eval(const QString& sJSON);
    // Output of one value of any kind.
    QString ExecCommand(const vb::Variant& value);

private:
    QString runTopLevel(const vb::ObjectPtr& script);
    QString runElement(const vb::Variant& element);
    QString execObject(const vb::ObjectPtr& object);
    QString execCommands(const vb::Dictionary& commands);
    QString execCommand(const QString& key, const vb::Variant& argument);

    QString alert(const vb::Variant& argument);
    QString input(const vb::Variant& argument);
    QString switchCase(const vb::Variant& argument);
    QString set(const vb::Variant& argument);
    QString get(const vb::Variant& argument);
    QString ifCompare(const vb::Variant& argument);
    QString exec(const vb::Variant& argument, const QString& name) { return ExecCommand(parameter(argument, name)); }
    void append(cStringBuilder& output, const QString& text);

    static vb::Variant parameter(const vb::Variant& argument, const QString& name);
    static QString marker(const QString& key, const vb::Variant& argument);

    QHash<QString, QString> m_variables;
    int m_nesting = 0;
    int m_runs = 0;           // Eval and ExecCommand calls under way: the outermost starts the count
    qint64 m_built = 0;       // characters the current run has built
};

} // namespace json
