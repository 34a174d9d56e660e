#include "AppTestBase.h"

#include "app/CommandLine.h"
#include "app/SharedObjects.h"
#include "data/DesktopShortcut.h"
#include "kit/Sistema.h"
#include "kit/Utilidades.h"

#include <QDir>
#include <QTemporaryDir>


namespace {

using app::CommandLineValues;

struct LineCase {
    const char* line;
    CommandLineValues expected;
};

CommandLineValues values(const char* parametro, const char* menu, const char* servidor, const char* base,
                         const char* usuario, const char* actual, const char* password, const char* clave,
                         const char* caja, bool unended = false)
{
    CommandLineValues v;
    v.ParametroAdicional = QString::fromUtf8(parametro);
    v.Menu = QString::fromUtf8(menu);
    v.Servidor = QString::fromUtf8(servidor);
    v.DbName = QString::fromUtf8(base);
    v.Usuario = QString::fromUtf8(usuario);
    v.UsuarioActual = QString::fromUtf8(actual);
    v.Password = QString::fromUtf8(password);
    v.ClaveActual = QString::fromUtf8(clave);
    v.Caja = QString::fromUtf8(caja);
    v.unendedKey = unended;
    return v;
}

void expectValues(const CommandLineValues& got, const CommandLineValues& want, const QString& line)
{
    const std::string where = line.toStdString();
    EXPECT_EQ(got.ParametroAdicional, want.ParametroAdicional) << where;
    EXPECT_EQ(got.Menu, want.Menu) << where;
    EXPECT_EQ(got.Servidor, want.Servidor) << where;
    EXPECT_EQ(got.DbName, want.DbName) << where;
    EXPECT_EQ(got.Usuario, want.Usuario) << where;
    EXPECT_EQ(got.UsuarioActual, want.UsuarioActual) << where;
    EXPECT_EQ(got.Password, want.Password) << where;
    EXPECT_EQ(got.ClaveActual, want.ClaveActual) << where;
    EXPECT_EQ(got.Caja, want.Caja) << where;
    EXPECT_EQ(got.unendedKey, want.unendedKey) << where;
}

TEST(CommandLineReader, LinesAndTheirValues)
{
    // Every reading starts from these module values; "prev" shows where one is kept.
    CommandLineValues before = values("prevP", "prevM", "x", "x", "x", "prevU", "x", "prevC", "prevK");
    const LineCase cases[] = {
        // The launcher's line, blanks and the "brix@" item included.
        {" ; @server=SRV01; @dbname=EMPRESA; @usuario=ana; @Password=secreta; @ParametroAdicional=OC; brix@ ; "
         "@UsuarioLogeado = ana; @Caja=3;",
         values("OC", "", "SRV01", "EMPRESA", "ana", "ana", "secreta", "secreta", "3")},
        // Keys in any letter case; an empty line leaves the user blank and the cash box "1".
        {"@SERVER=datos;@DBNAME=DEMO;@USUARIO= ADMIN ;@PASSWORD=admin;@MENU=C0105;",
         values("", "C0105", "datos", "DEMO", "ADMIN", "ADMIN", "admin", "admin", "1")},
        {"", values("", "", "", "", "", "", "", "prevC", "1")},
        // "@Usuario" is first found inside "@UsuarioLogeado".
        {"@UsuarioLogeado=user1; @usuario=user2;", values("", "", "", "", "Logeadouser1", "user1", "", "prevC", "1")},
        // A blank logged user gives way to @Usuario.
        {"@Usuario=ana; @UsuarioLogeado = ;", values("", "", "", "", "ana", "ana", "", "prevC", "1")},
        // Every "=" inside a value goes.
        {"@Password=a=b==c; @DbName=D;", values("", "", "", "D", "", "", "abc", "abc", "1")},
        // A key inside an earlier value is found there.
        {"@Password=x@Menu=y; @Menu=real;", values("", "y", "", "", "", "", "x@Menuy", "x@Menuy", "1")},
        // A password equal to the database name asks for the stored one; so do two empty values.
        {"@DbName= Demo ;@Password=dEMO;", values("", "", "", "Demo", "", "", "dEMO", "* *", "1")},
        {"@Password=;", values("", "", "", "", "", "", "", "* *", "1")},
        // A present empty cash box stays empty.
        {"@Caja=;", values("", "", "", "", "", "", "", "prevC", "")},
        // @ParametroAdicional without ";" takes the 19 characters after the key.
        {"@Caja=2;@ParametroAdicional=ABCDEFGHIJKLMNOPQRSTUVWXYZ",
         values("ABCDEFGHIJKLMNOPQR", "", "", "", "", "", "", "prevC", "2")},
        // Any other key without ";" keeps what it had.
        {"@Server=srv;@Menu=M7", values("", "prevM", "srv", "", "", "", "", "prevC", "1", true)},
        {"@DbName=D;@Caja=9", values("", "", "", "D", "", "", "", "prevC", "prevK", true)},
        {"@Password=abc", values("", "", "", "", "", "", "", "* *", "1", true)},
        {"@UsuarioLogeado=pepe", values("", "", "", "", "", "prevU", "", "prevC", "1", true)},
    };
    for (const LineCase& c : cases)
        expectValues(app::LeerLineaParametros(QString::fromUtf8(c.line), before), c.expected, QString::fromUtf8(c.line));
}

TEST(CommandLineReader, StrayMarksAreNoKeys)
{
    const CommandLineValues before;
    for (const char* line : {";;;;", "@", "=;=;=", "@ @Server ;", "brix@"}) {
        const CommandLineValues v = app::LeerLineaParametros(QString::fromUtf8(line), before);
        EXPECT_EQ(v.Servidor, "") << line;
        EXPECT_EQ(v.Caja, "1") << line;
        EXPECT_FALSE(v.unendedKey) << line;
    }
    // Only the first occurrence counts, even when a later one is complete.
    const CommandLineValues twice = app::LeerLineaParametros("@Caja=;@Caja=5;", before);
    EXPECT_EQ(twice.Caja, "");
}

TEST(CommandLineReader, HostOfAServerText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"tcp/SRV01:1433", "SRV01"}, {"SRV01:1433", "SRV01"}, {"SRV01\\SQL2", "SRV01\\SQL2"},
        {"SRV01,1433", "SRV01,1433"}, {":1433", ""}, {"datos", "datos"}, {"", ""}, {"a/b/c:1", "b/c"}};
    for (const auto& [text, host] : cases)
        EXPECT_EQ(app::HostDeServidor(text), host) << text;
}

// Only the line's own reading marks the password as the launcher's: a password equal to the
// database name. The marker's text given as a password is a password like any other.
TEST(CommandLineReader, OnlyAPasswordEqualToTheDatabaseAsksForTheStoredOne)
{
    CommandLineValues before;
    const CommandLineValues launcher = app::LeerLineaParametros("@DbName=DEMO;@Password=demo;", before);
    EXPECT_EQ(launcher.ClaveActual, "* *");
    EXPECT_TRUE(launcher.StoredPasswordMarker);
    const CommandLineValues typed = app::LeerLineaParametros("@DbName=DEMO;@Password=* *;", before);
    EXPECT_EQ(typed.ClaveActual, "* *");
    EXPECT_FALSE(typed.StoredPasswordMarker);
    // Without "@Password" the password and its mark stay as they were.
    before.StoredPasswordMarker = true;
    EXPECT_TRUE(app::LeerLineaParametros("@DbName=DEMO;", before).StoredPasswordMarker);
    EXPECT_FALSE(app::LeerLineaParametros("@DbName=DEMO;@Password=x;", before).StoredPasswordMarker);
}

// The embedded engine's data folder named by its absolute path reaches the open whole; a path
// that names no folder is read as a server text.
TEST(CommandLineReader, AnAbsoluteDataFolderIsKeptWhole)
{
    QTemporaryDir root;
    const QString folder = root.path() + "/abs/datos";
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(app::HostDeServidor(folder), folder);
    const QString missing = root.path() + "/abs/nada";
    EXPECT_EQ(app::HostDeServidor(missing), missing.mid(1));
    const CommandLineValues read = app::LeerLineaParametros("@Server=" + folder + ";@DbName=DEMO;", {});
    EXPECT_EQ(app::HostDeServidor(read.Servidor), folder);
}

// What a desktop shortcut of the login window writes: the server as the window opens it, its
// port included, which the started program keeps.
TEST(CommandLineReader, AShortcutsServerKeepsItsPort)
{
    const QString line = data::DesktopShortcut::parameterLine("SRV2\\INST,1500", "Stock", "ana");
    const CommandLineValues read = app::LeerLineaParametros(line, {});
    EXPECT_EQ(app::HostDeServidor(read.Servidor), "SRV2\\INST,1500");
    EXPECT_EQ(read.DbName, "Stock");
}

class IniLine : public AppTestBase {
protected:
    QString section() const
    {
        return app::gSistema().NombreEquipo().toUpper() + u'|' + app::gSistema().NombreUsuarioSistema().toUpper()
             + "BaseDeDatos";
    }
    // The settings file as the suite writes it, under a name in other letters than the program asks for.
    void writeIni(const QStringList& lines) { writeProgramFile("vu000va.ini", lines.join("\r\n") + "\r\n"); }
};

TEST_F(IniLine, TheLineComesFromTheWorkstationsDatabaseSection)
{
    const kit::Utilidades util;
    writeIni({"[" + section() + "]", "Servidor=SRV|01", "DbName=DE|MO", "Usuario=" + util.Codificar("com|pras"),
              "UserPassWord=" + util.Codificar("c|lave")});
    EXPECT_EQ(app::LineaDesdeIni(),
              "@server=SRV01; @dbname= DEMO; @usuario= compras; @Password= clave; @ParametroAdicional=; @Caja=1;brix@");
}

TEST_F(IniLine, WithoutTheFileTheSuitesDefaultsStand)
{
    EXPECT_EQ(app::LineaDesdeIni(),
              "@server=; @dbname= ; @usuario= Corvane; @Password= quemilo; @ParametroAdicional=; @Caja=1;brix@");
    // Another workstation's section is not this one's.
    writeIni({"[OTRA|MAQUINABaseDeDatos]", "Servidor=SRV", "DbName=X"});
    EXPECT_TRUE(app::LineaDesdeIni().startsWith("@server=; @dbname= ;"));
}

} // namespace
