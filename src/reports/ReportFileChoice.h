#pragma once
// Which report file prints a report: NombreReporte reads the report's files from TA_REPORTES
// (a workstation-and-user row first when Sufijo is blank), with the settlement, remito R and
// electronic-document forms on top; VerificarArchivoReporte turns a configured file into a
// full path of an existing file, or warns and falls back to the form named after the report.
//
// Files are found without regard to letter case and returned with the case they have on disk.
// When neither the configured file nor the fallback form exists, the warning says so and the
// result is the empty text: the caller has no file to print and must not try.

#include <QString>
#include <QStringList>

namespace reports {

// Nombre: report name (or a document type code followed by "-"); it receives the name looked up
// first. Sufijo: only tested for being blank. Archivos, when given, receives the report's four
// files (elements 1 to 4 at indexes 0 to 3). IdComprobante: the document, empty for reports
// that are not about one document. Errors go to the module's handler under "NombreReporte$";
// Abort returns what was decided so far.
QString NombreReporte(QString& Nombre, const QString& Sufijo, QStringList* Archivos, const QString& IdComprobante);

// Archivo: the file as configured (may be empty); it receives the result. Nombre: the report
// name for the fallback form and the warning. Never raises.
QString VerificarArchivoReporte(QString& Archivo, const QString& Nombre);

class ReportFileChoice {
public:
    ReportFileChoice(QString& nombre, const QString& sufijo, QStringList* archivos, const QString& idComprobante);
    QString run();

    static QString verify(QString& archivo, const QString& nombre);

private:
    void testElectronic();
    void lookUpTable();
    bool lookUpRow(const QString& name);
    bool lookUpSettlement();
    void fillFromRow(const QStringList& files, bool copyEmpty);
    void defaultForms();
    void remitoRule();
    void electronicRule();
    void readFormsFolder();
    void buildElectronicFile();
    void setAll(const QString& file);

    static QString programFolder();
    static QString alternativeForm(const QString& nombre);
    static bool belongsToPurchases(const QString& code);
    static void warnMissing(const QString& archivo, const QString& nombre, const QString& fallback, bool fallbackExists);

    QString& m_nombre;
    QString m_sufijo;
    QStringList* m_archivos;
    QString m_idComprobante;

    QString m_equipo;
    QString m_tipoCpte;
    QString m_nombreBase;
    bool m_esElectronico = false;
    QString m_fechaCpte;
    QString m_rutaFormularios;
    bool m_encontradoPrimero = false;
    QStringList m_row;                 // Archivo .. Archivo4 of the row found
    QString m_resultado;
};

} // namespace reports
