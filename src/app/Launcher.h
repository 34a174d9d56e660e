#pragma once
// Starting something outside the program: another program of the suite, with the connection
// and the user in its parameter line; a page of the suite's local web application; a program
// or document; an address. What the launched programs trust is written in docs/launcher.md.

#include <QString>
#include <memory>

namespace app {

// How programs are started and addresses opened. The desktop's launcher serves unless a test
// installs its own.
class Launcher {
public:
    virtual ~Launcher() = default;

    // Starts program (a path) with the argument line as its one argument, detached; the new
    // process's id, 0 when it could not be started.
    virtual qint64 startProgram(const QString& program, const QString& argumentLine) = 0;
    // Opens an address or document with the desktop's handler: above 32 on success, else the
    // failure code (31: nothing handles it).
    virtual int openAddress(const QString& address) = 0;
    // The library's program runner (Sistema.Ejecutar) with a window style: 1 normal, 6 minimised.
    virtual void execute(const QString& path, int windowStyle) = 0;

    static Launcher& instance();
    static void setInstance(std::shared_ptr<Launcher> launcher);   // nullptr restores the desktop's
};

// Starts a menu target with the suite's parameter line (" ; @server=...; @dbname=...;
// @usuario=...; @Password=...; @ParametroAdicional=...; brix@ ; @UsuarioLogeado = ...; @Caja=...;"
// from the shared connection, the current user and password and startup.Caja):
//   a target holding a folder separator ("SHELL:" + full path): the path after its first six
//     characters, whatever they are;
//   a page of the local web application (http://localhost:5055/): "shell:" removed, the local
//     host replaced by the database server's host, opened as an address; Proceso := 1;
//   "SHELL:" + name: that program in the program folder;
//   any other name: that program in the program folder.
// An additional parameter of several words travels as the text after its first blank (the
// caller's variable keeps only that). Proceso receives the started process's id. A program
// that cannot be started goes to TratamientoErrores under "MenuExes" (Retry tries again); when
// nothing was started the operator is told "Opcion no Implementada!".
void MenuExes(QString& Destino, QString& ParametroAdicional, qint64& Proceso);

// Runs a program or document through the library, minimised when asked; a path with blanks
// and no double quote is quoted first.
void EjecutarPrograma(const QString& Ruta, bool Minimizado);

// Opens an address with the desktop's handler; a blank address and a failure are told to the
// operator.
void AbrirURL(const QString& Direccion);

} // namespace app
