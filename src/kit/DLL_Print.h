#pragma once
// The print object of the maker's library: it runs one report file on the chosen destination
// with the caller's sort fields, selection formula, logon and formula assignments, through
// the program's report engine (one engine run per report).
//
// Values fixed here:
//   Destino: DestinoPantalla (the preview window), DestinoImpresora (the system's default
//     printer) or PdfDestination (the file given to setPdfFile).
//   AgregarFormulas(formulas, slot): the extra assignments are applied after the five of
//     Imprimir (so on a name both give, the extra one wins); slot 5 is the first slot after
//     those five. They serve the next Imprimir only: each Imprimir drops them, so that one
//     report's extra formulas never reach the next one.
//   OpcionA, OpcionB, OpcionC, ValorPosterior: kept for the caller; the engine needs none.
//   pPathSistema: the program folder, where report files given by bare name are found.
// A report that cannot run raises vb::Error (ErrorReporte, or 53 for a missing file), whose
// text never shows the logon's password.

#include "vb/Variant.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace kit {

class DLL_Print {
public:
    static constexpr int DestinoPantalla = 0;
    static constexpr int DestinoImpresora = 1;
    static constexpr int PdfDestination = 2;
    static constexpr int ErrorReporte = 20500;   // the print engine's number for a report that cannot run

    QString pPathSistema;
    bool OpcionA = false;
    bool OpcionB = false;
    bool OpcionC = false;
    std::int16_t ValorPosterior = 0;

    int Destino() const { return m_destino; }
    void setDestino(int destino);                        // error 380 for an unknown destination

    // The file of PdfDestination.
    void setPdfFile(const QString& path) { m_pdfFile = path; }
    QString pdfFile() const { return m_pdfFile; }
    // A DSN logon names the embedded database "<name>.db" of this folder when it holds one.
    void setDataSourceFolder(const QString& folder) { m_dataSourceFolder = folder; }
    QString dataSourceFolder() const { return m_dataSourceFolder; }

    void AgregarFormulas(const QStringList& formulas, int slot = 5);
    QStringList formulasAdicionales() const { return m_extraFormulas; }

    // file: a path, or a bare report name of pPathSistema (".rpt" added when missing); found
    // without regard to letter case. sort: "+{T.F}" entries, blanks skipped (none keeps the
    // report's own order). selection: a blank one keeps the report's own. logon: blank keeps
    // the engine's default connection. f1..f5: assignments Name = 'value', omitted or empty
    // ones skipped. sr1..sr3: sub-reports the report must hold; they read through the main
    // report's logon.
    void Imprimir(const QString& file, const QStringList& sort, const QString& selection, const QString& logon,
                  const vb::Variant& f1 = vb::Variant::missing(), const vb::Variant& f2 = vb::Variant::missing(),
                  const vb::Variant& f3 = vb::Variant::missing(), const vb::Variant& f4 = vb::Variant::missing(),
                  const vb::Variant& f5 = vb::Variant::missing(), const QString& sr1 = {}, const QString& sr2 = {},
                  const QString& sr3 = {});

    // The file Imprimir would open for a file argument; raises as Imprimir does.
    QString reportPath(const QString& file) const;

private:
    void run(const QString& path, const QStringList& sort, const QString& selection, const QString& logon,
             const QList<vb::Variant>& formulas, const QStringList& subreports);

    int m_destino = DestinoPantalla;
    QString m_pdfFile;
    QString m_dataSourceFolder;
    QStringList m_extraFormulas;
};

} // namespace kit
