#include "json/cJSONScript.h"
#include "json/JSON.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"
#include "vb/Error.h"
#include "vb/Regional.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using json::cJSONScript;
using Kind = ui::ScriptedDialogService::Kind;

namespace {

class ScriptTest : public ::testing::Test {
protected:
    QString eval(const QString& script) { return m_script.Eval(script); }

    // Runs one parsed value directly, as a nested command would.
    QString exec(const QString& json)
    {
        const vb::ObjectPtr value = json::ParseJson(json);
        EXPECT_TRUE(json::JsonParserErrors().isEmpty()) << json.toStdString();
        return m_script.ExecCommand(vb::Variant(value));
    }

    int errorOf(const std::function<void()>& step)
    {
        try {
            step();
        } catch (const vb::Error& e) {
            return e.number();
        }
        return 0;
    }

    static QString nestedLists(int depth, const QString& inside)
    {
        return QString(depth, u'[') + inside + QString(depth, u']');
    }

    ui::ScriptedDialogService m_dialogs;
    ui::DialogServiceScope m_scope{m_dialogs};
    cJSONScript m_script;
};

const QString NestingMessage = QStringLiteral("ERROR: Nesting level exceeded.");

} // namespace

TEST_F(ScriptTest, TextsAndNullAreCopied)
{
    EXPECT_EQ(eval(QStringLiteral("[\"hello\"]")), QStringLiteral("hello"));
    EXPECT_EQ(eval(QStringLiteral("[null]")), QStringLiteral("null"));
    EXPECT_EQ(eval(QStringLiteral("['a', null, \"<%X()%>\", 'b']")), QStringLiteral("anull<%X()%>b"));
    EXPECT_EQ(eval(QStringLiteral("[]")), QString());
    EXPECT_TRUE(m_dialogs.prompts().isEmpty());
}

TEST_F(ScriptTest, ParserErrorShowsMessageAndGivesNothing)
{
    EXPECT_EQ(eval(QStringLiteral("[\"open")), QString());
    ASSERT_EQ(m_dialogs.prompts().size(), 1);
    EXPECT_EQ(m_dialogs.last().kind, Kind::MsgBox);
    EXPECT_EQ(m_dialogs.last().title, QStringLiteral("Parser Error"));
    EXPECT_EQ(m_dialogs.last().icon, ui::vbExclamation);
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Missing ']': [\"open\r\n"));

    EXPECT_EQ(eval(QStringLiteral("hello")), QString());
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Invalid JSON"));
}

TEST_F(ScriptTest, LongParserErrorsAreCutForTheMessageBox)
{
    // Each line quotes the rest of the script: the box shows twelve lines, each cut short,
    // and how many are left out.
    QString script = QStringLiteral("{");
    for (int i = 0; i < 40; ++i)
        script += QStringLiteral("k%1: tx ").arg(i) + QString(300, u'x') + u' ';
    EXPECT_EQ(eval(script), QString());
    const QString errors = json::JsonParserErrors();
    const QStringList errorLines = errors.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GT(errorLines.size(), 12);

    const QStringList shown = m_dialogs.last().text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(shown.size(), 13);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(shown[i], errorLines[i].left(200) + QStringLiteral("...")) << i;
    EXPECT_EQ(shown[12], QStringLiteral("(%1 more lines)").arg(errorLines.size() - 12));
}

TEST_F(ScriptTest, WrongKindsRaiseObjectRequired)
{
    EXPECT_EQ(errorOf([&] { eval(QStringLiteral("['a', 5]")); }), 424);
    EXPECT_EQ(errorOf([&] { eval(QStringLiteral("[true]")); }), 424);
    EXPECT_EQ(errorOf([&] { eval(QStringLiteral("[{\"foo\": 5}]")); }), 424);
    EXPECT_EQ(errorOf([&] { eval(QStringLiteral("[{\"alert\": null}]")); }), 424);
    EXPECT_EQ(errorOf([&] { eval(QStringLiteral("[{\"switch\": {\"case\": \"a\"}}]")); }), 424);
    EXPECT_EQ(errorOf([&] { eval(QStringLiteral("[{\"switch\": {\"items\": {\"case\": \"a\"}}}]")); }), 424);
}

TEST_F(ScriptTest, AlertShowsExecutedMessageAndTitle)
{
    EXPECT_EQ(eval(QStringLiteral(R"(["<", {"alert": {"message": ["one", "two"], "title": {"return": "T"}}}, ">"])")),
              QStringLiteral("<>"));
    ASSERT_EQ(m_dialogs.prompts().size(), 1);
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("onetwo"));
    EXPECT_EQ(m_dialogs.last().title, QStringLiteral("T"));
    EXPECT_EQ(m_dialogs.last().icon, ui::vbInformation);
}

TEST_F(ScriptTest, InputReturnsTypedTextOrNothingWhenCancelled)
{
    m_dialogs.pushInputText(QStringLiteral("typed"));
    const QString script = QStringLiteral(R"([{"input": {"prompt": "Name?", "title": "Who", "default": "Ana"}}, "."])");
    EXPECT_EQ(eval(script), QStringLiteral("typed."));
    const auto inputs = m_dialogs.prompts(Kind::InputBox);
    ASSERT_EQ(inputs.size(), 1);
    EXPECT_EQ(inputs[0].text, QStringLiteral("Name?"));
    EXPECT_EQ(inputs[0].title, QStringLiteral("Who"));
    EXPECT_EQ(inputs[0].defaultText, QStringLiteral("Ana"));

    EXPECT_EQ(eval(script), QStringLiteral("."));
}

TEST_F(ScriptTest, NumbersAndBooleansPrintPlainly)
{
    vb::RegionalScope argentina(vb::RegionalSettings::argentina());
    EXPECT_EQ(exec(QStringLiteral("[1.25, -3, true, false, null]")), QStringLiteral("1.25-3truefalsenull"));
    EXPECT_EQ(m_script.ExecCommand(vb::Variant(2.5)), QStringLiteral("2.5"));
    EXPECT_EQ(m_script.ExecCommand(vb::Variant()), QString());
}

TEST_F(ScriptTest, VariablesLiveAcrossEvals)
{
    EXPECT_EQ(eval(QStringLiteral(R"([{"set": {"name": "n", "value": "x"}}, {"get": {"name": "n"}}])")), QStringLiteral("x"));
    EXPECT_EQ(eval(QStringLiteral(R"([{"get": {"name": "n", "default": "d"}}])")), QStringLiteral("x"));
    // Names are case-sensitive; a name never set falls back to the executed default.
    EXPECT_EQ(eval(QStringLiteral(R"([{"get": {"name": "N", "default": {"return": "d"}}}])")), QStringLiteral("d"));
    EXPECT_EQ(eval(QStringLiteral(R"([{"get": {"name": "none"}}])")), QString());
    // The stored value is the executed output; setting again replaces it.
    EXPECT_EQ(eval(QStringLiteral(R"([{"set": {"name": "n", "value": ["a", 1.5]}}, {"get": {"name": "n"}}])")),
              QStringLiteral("a1.5"));

    cJSONScript fresh;
    EXPECT_EQ(fresh.Eval(QStringLiteral(R"([{"get": {"name": "n"}}])")), QString());
}

TEST_F(ScriptTest, IfComparesOutputTexts)
{
    auto run = [&](const QString& type, const QString& left, const QString& right) {
        return eval(QStringLiteral(R"([{"if": {"type": "%1", "value1": "%2", "value2": "%3", "true": "T", "false": "F"}}])")
                        .arg(type, left, right));
    };
    EXPECT_EQ(run("gt", "10", "9"), QStringLiteral("F"));
    EXPECT_EQ(run("lt", "10", "9"), QStringLiteral("T"));
    EXPECT_EQ(run("lt", "B", "a"), QStringLiteral("T"));
    EXPECT_EQ(run("GTE", "b", "b"), QStringLiteral("T"));
    EXPECT_EQ(run("lte", "c", "b"), QStringLiteral("F"));
    EXPECT_EQ(run("eq", "AbC", "aBc"), QStringLiteral("T"));
    EXPECT_EQ(run("eq", "abc", "abd"), QStringLiteral("F"));
    EXPECT_EQ(run("ne", "a", "b"), QStringLiteral("F"));

    // The values are executed before they are compared; the branches only when taken.
    EXPECT_EQ(eval(QStringLiteral(R"([{"set": {"name": "v", "value": "7"}},
        {"if": {"type": "eq", "value1": {"get": {"name": "v"}}, "value2": "7",
                "true": "yes", "false": {"input": {"prompt": "never"}}}}])")),
              QStringLiteral("yes"));
    EXPECT_TRUE(m_dialogs.prompts().isEmpty());
}

TEST_F(ScriptTest, SwitchTakesTheFirstMatchingCase)
{
    const QString script = QStringLiteral(R"([{"switch": {"case": "%1", "default": "none",
        "items": [{"case": "A", "return": "first"}, {"case": "b", "return": {"return": "second"}},
                  {"case": "b", "return": "third"}]}}])");
    EXPECT_EQ(eval(script.arg("a")), QStringLiteral("first"));
    EXPECT_EQ(eval(script.arg("B")), QStringLiteral("second"));
    EXPECT_EQ(eval(script.arg("z")), QStringLiteral("none"));

    // Items after the match are not looked at, so a broken one there raises nothing.
    EXPECT_EQ(eval(QStringLiteral(R"([{"switch": {"case": "x", "items": [{"case": "x", "return": "ok"}, 5]}}])")),
              QStringLiteral("ok"));
    EXPECT_EQ(errorOf([&] { eval(QStringLiteral(R"([{"switch": {"case": "x", "items": [5]}}])")); }), 424);
    // The item's case is not executed: an object there never matches.
    EXPECT_EQ(eval(QStringLiteral(R"([{"switch": {"case": "x", "default": "d", "items": [{"case": {"return": "x"}, "return": "no"}]}}])")),
              QStringLiteral("d"));
    // A null case never matches, even when the switch has no case of its own; a missing one does.
    EXPECT_EQ(eval(QStringLiteral(R"([{"switch": {"default": "d", "items": [{"case": null, "return": "no"}, {"return": "yes"}]}}])")),
              QStringLiteral("yes"));
}

TEST_F(ScriptTest, OtherCommandsGiveMarkers)
{
    EXPECT_EQ(eval(QStringLiteral(R"([{"foo": {"a": 1, "b": 2}}])")), QStringLiteral("<%FOO(1,2)%>"));
    EXPECT_EQ(eval(QStringLiteral(R"([{"Field": "code"}, {"x": ["ignored"]}])")), QStringLiteral("<%FIELD(code)%><%X()%>"));
    EXPECT_EQ(eval(QStringLiteral(R"([{"return": "{\"alert\": 1}", "Return": "!"}])")), QStringLiteral("{\"alert\": 1}!"));
    EXPECT_EQ(eval(QStringLiteral(R"([{"ALERT": {"message": "m"}}])")), QString());
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("m"));
}

TEST_F(ScriptTest, CommandsGivenTextHaveNoParameters)
{
    EXPECT_EQ(eval(QStringLiteral(R"([{"set": "n"}, {"get": "n"}, {"if": "value1"}])")), QString());
    EXPECT_EQ(eval(QStringLiteral(R"([{"alert": "hello"}])")), QString());
    EXPECT_EQ(m_dialogs.last().text, QString());
    EXPECT_EQ(errorOf([&] { eval(QStringLiteral(R"([{"switch": "items"}])")); }), 424);
}

TEST_F(ScriptTest, TopLevelObjectIsWalkedByPosition)
{
    EXPECT_EQ(eval(QStringLiteral(R"({"2": {"return": "b"}, "1": "a", "x": "ignored"})")), QStringLiteral("ab"));
}

TEST_F(ScriptTest, NestingStopsAtFortyOneLevels)
{
    // The outer list of a script is not a call of its own: 41 calls run, the 42nd does not.
    EXPECT_EQ(eval(nestedLists(41, QStringLiteral("\"x\""))), QStringLiteral("x"));
    EXPECT_EQ(eval(nestedLists(42, QStringLiteral("\"x\""))), NestingMessage);

    EXPECT_EQ(exec(nestedLists(40, QStringLiteral("'x'"))), QStringLiteral("x"));
    EXPECT_EQ(exec(nestedLists(41, QStringLiteral("'x', 'y'"))), NestingMessage + NestingMessage);

    // Commands count as well: each "get" falls back on a nested default.
    QString chain = QStringLiteral("\"deep\"");
    for (int i = 0; i < 40; ++i)
        chain = QStringLiteral(R"({"get": {"name": "none", "default": %1}})").arg(chain);
    EXPECT_EQ(eval(u'[' + chain + u']'), QStringLiteral("deep"));
    chain = QStringLiteral(R"({"get": {"name": "none", "default": %1}})").arg(chain);
    EXPECT_EQ(eval(u'[' + chain + u']'), NestingMessage);
}

TEST_F(ScriptTest, NestingCountRecoversAfterAnError)
{
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_EQ(errorOf([&] { exec(nestedLists(30, QStringLiteral("{'bad': 1}"))); }), 424);
    EXPECT_EQ(exec(nestedLists(40, QStringLiteral("'x'"))), QStringLiteral("x"));
}

TEST_F(ScriptTest, MangledScriptsEndWithOutputOrError)
{
    const QString sample = QStringLiteral(
        R"([{"set": {"name": "a", "value": ["x", 1.5]}}, {"switch": {"case": {"get": {"name": "a"}},)"
        R"( "default": "d", "items": [{"case": "x1.5", "return": {"foo": {"p": 1}}}]}},)"
        R"( {"if": {"type": "lt", "value1": "a", "value2": [[["b"]]], "true": {"input": {"prompt": "p"}}}}, null])");
    const QString noise = QStringLiteral("{}[]\"':,5");
    std::mt19937 random(11);
    std::uniform_int_distribution<int> pickNoise(0, int(noise.size()) - 1);
    int raised = 0;
    for (int i = 0; i < 2000; ++i) {
        QString text = sample;
        std::uniform_int_distribution<qsizetype> at(0, text.size() - 1);
        text[at(random)] = noise.at(pickNoise(random));
        text[at(random)] = noise.at(pickNoise(random));
        if (const vb::ObjectPtr value = json::ParseJson(text))
            raised += errorOf([&] { m_script.ExecCommand(vb::Variant(value)); }) != 0;
    }
    EXPECT_GT(raised, 0);
    // However those runs ended, the nesting count is back at zero.
    EXPECT_EQ(exec(nestedLists(40, QStringLiteral("'x'"))), QStringLiteral("x"));
}

// A script of a few KB that doubles a variable at each of its 40 steps would build some 2^40
// characters; the run stops with error 6 once it has built the limit, and the object still works.
TEST_F(ScriptTest, ARunStopsAtTheLimitOfWhatItBuilds)
{
    QString script = QStringLiteral(R"([{"set": {"name": "v", "value": "ab"}})");
    for (int step = 0; step < 40; ++step)
        script += QStringLiteral(R"(, {"set": {"name": "v", "value": [{"get": {"name": "v"}}, {"get": {"name": "v"}}]}})");
    script += QStringLiteral(R"(, {"get": {"name": "v"}}])");
    ASSERT_LT(script.size(), 4000);
    try {
        eval(script);
        ADD_FAILURE() << "the script ran to its end";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 6);
        EXPECT_EQ(e.description(), QStringLiteral("El script construye más de 16777216 caracteres."));
    }
    EXPECT_EQ(eval(QStringLiteral(R"([{"set": {"name": "v", "value": "ok"}}, {"get": {"name": "v"}}])")), QStringLiteral("ok"));
}
