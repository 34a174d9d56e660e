#include "json/cJSONScript.h"

#include "json/JSON.h"
#include "json/cStringBuilder.h"
#include "ui/DialogService.h"
#include "vb/Collection.h"
#include "vb/Dictionary.h"
#include "vb/Error.h"

namespace json {

namespace {

constexpr int ErrOverflow = 6;
constexpr int ErrObjectRequired = 424;

// Numbers always print with "." as the decimal point, whatever the regional settings say.
QString numberText(const vb::Variant& value)
{
    return value.toString().replace(u',', u'.');
}

// Text of a parameter that is used as it stands, without being executed.
QString plainText(const vb::Variant& value)
{
    switch (value.type()) {
    case vb::VarType::Empty:
    case vb::VarType::Null:
    case vb::VarType::Object:
    case vb::VarType::Error:
        return {};
    case vb::VarType::String:
    case vb::VarType::Date:
        return value.toString();
    case vb::VarType::Boolean:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    default:
        return numberText(value);
    }
}

std::shared_ptr<vb::Dictionary> asDictionary(const vb::Variant& value)
{
    return value.isObject() && !value.isNothing() ? value.as<vb::Dictionary>() : nullptr;
}

std::shared_ptr<vb::Collection> asCollection(const vb::Variant& value)
{
    return value.isObject() && !value.isNothing() ? value.as<vb::Collection>() : nullptr;
}

// The comparisons of "if": "eq" ignores case, the others compare character codes.
bool holds(const QString& type, const QString& left, const QString& right)
{
    if (type == u"eq")
        return left.toLower() == right.toLower();
    const int order = QString::compare(left, right, Qt::CaseSensitive);
    if (type == u"gt")
        return order > 0;
    if (type == u"lt")
        return order < 0;
    if (type == u"gte")
        return order >= 0;
    if (type == u"lte")
        return order <= 0;
    return false;
}

// What the message box shows of the reader's errors. One line may quote the rest of a long
// document and a long document may give many lines: the box shows the first lines, each cut
// to a readable length, and says how many lines are left out.
QString shownErrors(const QString& errors)
{
    constexpr qsizetype MaxLineLength = 200;
    constexpr int MaxLines = 12;
    const QStringView text(errors);
    const QStringView lineEnd(u"\r\n");
    QString shown;
    qsizetype from = 0;
    for (int lines = 0; from < text.size(); ++lines) {
        if (lines == MaxLines) {
            const qsizetype left = text.mid(from).count(lineEnd) + (text.endsWith(lineEnd) ? 0 : 1);
            shown += QStringLiteral("(%1 more lines)").arg(left);
            break;
        }
        const qsizetype end = text.indexOf(lineEnd, from);
        const QStringView line = text.mid(from, (end < 0 ? text.size() : end) - from);
        shown += line.left(MaxLineLength);
        if (line.size() > MaxLineLength)
            shown += QStringLiteral("...");
        if (end < 0)
            break;
        shown += lineEnd;
        from = end + lineEnd.size();
    }
    return shown;
}

// Keeps a count of calls under way right however a call ends, errors included.
class NestingLevel {
public:
    explicit NestingLevel(int& counter) : m_counter(counter) { ++m_counter; }
    ~NestingLevel() { --m_counter; }
    NestingLevel(const NestingLevel&) = delete;
    NestingLevel& operator=(const NestingLevel&) = delete;
    bool outermost() const { return m_counter == 1; }
private:
    int& m_counter;
};

} // namespace

QString cJSONScript::Eval(const QString& sJSON)
{
    const NestingLevel run(m_runs);
    if (run.outermost())
        m_built = 0;
    const vb::ObjectPtr script = ParseJson(sJSON);
    const QString errors = JsonParserErrors();
    if (!errors.isEmpty() || !script) {
        ui::MsgBox(shownErrors(errors), ui::vbExclamation, QStringLiteral("Parser Error"));
        return {};
    }
    return runTopLevel(script);
}

// A top-level object is read like a list by position: its keys "1", "2" ... in turn.
QString cJSONScript::runTopLevel(const vb::ObjectPtr& script)
{
    cStringBuilder output;
    if (auto list = std::dynamic_pointer_cast<vb::Collection>(script)) {
        for (const vb::Variant& element : *list)
            append(output, runElement(element));
    } else if (auto object = std::dynamic_pointer_cast<vb::Dictionary>(script)) {
        for (int i = 1; i <= object->count(); ++i) {
            const vb::Variant key(QString::number(i));
            if (object->exists(key))
                append(output, runElement(object->value(key)));
        }
    }
    return output.toString();
}

QString cJSONScript::runElement(const vb::Variant& element)
{
    if (element.isNull())
        return QStringLiteral("null");
    if (element.type() == vb::VarType::String || element.type() == vb::VarType::Date)
        return element.toString();
    if (!element.isObject())
        vb::raise(ErrObjectRequired);
    return ExecCommand(element);
}

QString cJSONScript::ExecCommand(const vb::Variant& value)
{
    if (m_nesting >= MaxNesting)
        return QStringLiteral("ERROR: Nesting level exceeded.");
    NestingLevel level(m_nesting);
    const NestingLevel run(m_runs);
    if (run.outermost())
        m_built = 0;
    switch (value.type()) {
    case vb::VarType::Null:
        return QStringLiteral("null");
    case vb::VarType::Empty:
    case vb::VarType::Error:
        return {};
    case vb::VarType::Object:
        return execObject(value.isNothing() ? nullptr : value.toObject());
    default:
        return plainText(value);
    }
}

QString cJSONScript::execObject(const vb::ObjectPtr& object)
{
    if (auto commands = std::dynamic_pointer_cast<vb::Dictionary>(object))
        return execCommands(*commands);
    cStringBuilder output;
    if (auto list = std::dynamic_pointer_cast<vb::Collection>(object)) {
        for (const vb::Variant& element : *list)
            append(output, ExecCommand(element));
    }
    return output.toString();
}

QString cJSONScript::execCommands(const vb::Dictionary& commands)
{
    cStringBuilder output;
    for (int i = 0; i < commands.count(); ++i)
        append(output, execCommand(commands.keyAt(i).toString(), commands.itemAt(i)));
    return output.toString();
}

QString cJSONScript::execCommand(const QString& key, const vb::Variant& argument)
{
    if (argument.type() != vb::VarType::String && !argument.isObject())
        vb::raise(ErrObjectRequired);
    const QString command = key.toLower();
    if (command == u"alert")
        return alert(argument);
    if (command == u"input")
        return input(argument);
    if (command == u"switch")
        return switchCase(argument);
    if (command == u"set")
        return set(argument);
    if (command == u"get")
        return get(argument);
    if (command == u"if")
        return ifCompare(argument);
    if (command == u"return")
        return plainText(argument);
    return marker(key, argument);
}

// Every text a step adds to its output counts against the run's limit.
void cJSONScript::append(cStringBuilder& output, const QString& text)
{
    m_built += text.size();
    if (m_built > MaxBuilt)
        vb::raise(ErrOverflow, QStringLiteral("El script construye más de %1 caracteres.").arg(MaxBuilt));
    output.Append(text);
}

// A command given a text instead of a parameter object has no parameters at all.
vb::Variant cJSONScript::parameter(const vb::Variant& argument, const QString& name)
{
    const auto parameters = asDictionary(argument);
    return parameters ? parameters->value(vb::Variant(name)) : vb::Variant();
}

QString cJSONScript::marker(const QString& key, const vb::Variant& argument)
{
    QString arguments;
    if (argument.type() == vb::VarType::String) {
        arguments = argument.toString();
    } else if (const auto parameters = asDictionary(argument)) {
        QStringList texts;
        for (const vb::Variant& value : parameters->items())
            texts << plainText(value);
        arguments = texts.join(u',');
    }
    return QStringLiteral("<%") + key.toUpper() + u'(' + arguments + QStringLiteral(")%>");
}

QString cJSONScript::alert(const vb::Variant& argument)
{
    const QString message = exec(argument, QStringLiteral("message"));
    const QString title = exec(argument, QStringLiteral("title"));
    ui::MsgBox(message, ui::vbInformation, title);
    return {};
}

QString cJSONScript::input(const vb::Variant& argument)
{
    const QString prompt = exec(argument, QStringLiteral("prompt"));
    const QString title = exec(argument, QStringLiteral("title"));
    const QString defaultText = exec(argument, QStringLiteral("default"));
    return ui::InputBox(prompt, title, defaultText);
}

QString cJSONScript::switchCase(const vb::Variant& argument)
{
    const QString defaultOutput = exec(argument, QStringLiteral("default"));
    const QString wanted = exec(argument, QStringLiteral("case")).toLower();
    const auto items = asCollection(parameter(argument, QStringLiteral("items")));
    if (!items)
        vb::raise(ErrObjectRequired);
    for (const vb::Variant& item : *items) {
        if (!asDictionary(item))
            vb::raise(ErrObjectRequired);
        // A null case equals nothing, not even an empty case value.
        const vb::Variant itemCase = parameter(item, QStringLiteral("case"));
        if (!itemCase.isNull() && plainText(itemCase).toLower() == wanted)
            return exec(item, QStringLiteral("return"));
    }
    return defaultOutput;
}

QString cJSONScript::set(const vb::Variant& argument)
{
    const QString name = plainText(parameter(argument, QStringLiteral("name")));
    m_variables.insert(name, exec(argument, QStringLiteral("value")));
    return {};
}

QString cJSONScript::get(const vb::Variant& argument)
{
    const QString name = plainText(parameter(argument, QStringLiteral("name")));
    const QString stored = ExecCommand(vb::Variant(m_variables.value(name)));
    return stored.isEmpty() ? exec(argument, QStringLiteral("default")) : stored;
}

QString cJSONScript::ifCompare(const vb::Variant& argument)
{
    const QString left = exec(argument, QStringLiteral("value1"));
    const QString right = exec(argument, QStringLiteral("value2"));
    const QString type = plainText(parameter(argument, QStringLiteral("type"))).toLower();
    return exec(argument, holds(type, left, right) ? QStringLiteral("true") : QStringLiteral("false"));
}

} // namespace json
