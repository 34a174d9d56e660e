#pragma once
// Workstation facts and program launching of the maker's library.

#include <QString>

namespace kit {

class Sistema {
public:
    // Results of Ejecutar, in the convention of the shell call it stands for: above 32 is success.
    enum ExecuteResult { FileNotFound = 2, NoAssociation = 31, Started = 42 };
    enum WindowStyle { Hidden = 0, Normal = 1, Minimised = 6 };

    // The host name without its domain part: the original read the short workstation name.
    QString NombreEquipo() const;
    // The login name of the user running the program.
    QString NombreUsuarioSistema() const;
    QString CarpetaTemporal() const;

    // Starts a program, or opens a document, folder or address with the desktop's handler.
    // file may be quoted, may be a program followed by its arguments, and may use "\";
    // parameters are further arguments; folder is the working folder of a started program.
    // The window handle and verb of the original are accepted and not used, and so is the window
    // style: the desktop decides how the new window shows.
    int Ejecutar(long window, const QString& verb, const QString& file, const QString& parameters,
                 const QString& folder, int windowStyle = Normal) const;

private:
    static bool isAddress(const QString& text);
    static int openWithDesktop(const QString& address);
    static int startProgram(const QString& program, const QStringList& arguments, const QString& folder);
    static QString unquoted(const QString& text);
};

} // namespace kit
