#pragma once
// The code-entry search box: one text box bound to one suite table over a connection of its
// own. The operator types a code or part of a description; each keystroke searches the table
// and lists up to 100 matches; Enter, a double click or the accept image hands the chosen
// code to the host through CodigoObtenido, which also tells the host when the entry was
// cleared. A user with the right may add a row from the typed text ("+" image). Bound to
// "FECHA" the box is a date field with a month calendar in place of the list. The host gives
// the connection string, the user and the table:
//
//     box->setgConnString(connection);  box->Usuario = user;
//     QString table = "V_TA_Rubros";    box->BusquedaDisponible(table);
//     connect(box, &BusquedaCodigo::CodigoObtenido, [box] { use(box->Codigo); });
//
// Everything runs on the user-interface thread. No error of a handler leaves the box: the
// handlers pass over a failing step, as the original did; the connection's opening and the
// configuration reader ask through TratamientoErrores; a failed search is reported there too
// and never shown as an empty result.
//
// Rights fail closed where the original failed open: a rights test that raises an error hides
// the "+" image, and a user lookup that raises one lists no customer or supplier. A blank user
// has no restriction and may add, as in the original.

#include "codebox/ResultList.h"

#include "ado/Connection.h"
#include "kit/Utilidades.h"
#include "vb/Error.h"
#include "vb/Variant.h"

#include <QWidget>

#include <functional>

class QLineEdit;
class QListWidgetItem;

namespace codebox {

class BoxImage;
class CalendarFrame;
class SearchTextBox;

class BusquedaCodigo : public QWidget {
    Q_OBJECT

public:
    explicit BusquedaCodigo(QWidget* parent = nullptr);
    ~BusquedaCodigo() override;

    // Properties (get and let; setting one has no other effect).
    QString gConnString() const { return m_connString; }
    void setgConnString(const QString& value) { m_connString = value; }
    QString ConnString() const { return m_connString; }
    void setConnString(const QString& value) { m_connString = value; }
    QString Tabla() const { return m_tabla; }
    void setTabla(const QString& value) { m_tabla = value; }
    int SelStartInicial() const { return m_selStartInicial; }
    void setSelStartInicial(int value) { m_selStartInicial = value; }

    // Public variables, read and written by the host.
    QString Buscar;                 // search text; copied from the box at every change
    QString TextoIngresado;         // the text of the box at the last search
    QString Codigo;                 // the accepted code, set before CodigoObtenido
    QString CodigoNoConfirmado;     // typed, not yet accepted
    QString CodigoAnt;              // kept for the host
    QString idLista;                // price list: not blank searches articles priced in it
    QString Cuenta;                 // account written into new maintenance items
    QString Usuario;                // current user: rights and salesman restriction
    QString TablaEspecial;          // kept for the host
    QString CampoEspecial;          // kept for the host
    QString CodigoEspecial;         // kept for the host
    bool DeshabilitarBCArticulos = false;   // read when the connection opens
    bool DeshabilitarBCTodos = false;       // read when the connection opens
    QString FechaCalendario;        // kept for the host

    // Binding and connection.
    void AbrirConexion();
    bool AltaDisponible();
    bool BusquedaDisponible(QString& tabla);
    bool BusquedaDisponible(const QString& tabla)
    {
        QString name = tabla;
        return BusquedaDisponible(name);
    }

    // Search and resolution.
    void Busqueda();
    void ObtieneCodigo(bool DesdeTxt);

    // Routines the box uses and the host may call.
    int TratamientoErrores(const vb::Error& CodErr, const vb::Variant& Botones = vb::Variant::missing(),
                           const QString& Rutina = {});
    QString FmtLeerCodigo(const QString& codigo, const vb::Variant& Largo = vb::Variant::missing()) const;
    vb::Variant FieldVal(const vb::Variant& recFieldVal) const;
    QString sp_Cfg(const QString& Campo, QString& ValorAux);
    // The day/month/year mask for any text box tagged "FECHA" (KeyAscii 0: key swallowed).
    void ClsDatosOk(QLineEdit* Textos, int& KeyAscii);

    // The month calendar of date mode.
    void CargarCalendario();
    void CargarMesAño();
    void ArmarAlmanaque(const vb::Variant& Mes, const vb::Variant& año);
    void Seleccionar(const vb::Variant& DIA, bool Asignar);
    int IndCaption(const vb::Variant& Caption) const;
    QString NombreMes(int Nromes) const;
    int Nromes(const QString& NombreMes) const;
    int CantidadDeDiasDelmes(const vb::Variant& Mes, const vb::Variant& año) const;

    // Constituent controls (their objectNames are the original's).
    SearchTextBox* TxtBusqueda() const { return m_txt; }
    ResultList* LstBusqueda() const { return m_lst; }
    BoxImage* IMGOK() const { return m_imgOk; }
    BoxImage* imgMas() const { return m_imgMas; }
    BoxImage* ImgX() const { return m_imgX; }
    CalendarFrame* Calendar() const { return m_calendar; }

    // The binding's private state, read-only, for the host's diagnostics and for tests.
    QString descriptionColumn() const { return m_descriptionColumn; }
    QString codeColumn() const { return m_codeColumn; }
    QString extraFilter() const { return m_extraFilter; }
    int codeWidth() const { return m_codeWidth; }
    bool connectionOpen() const;
    bool lastSearchFailed() const { return m_searchFailed; }
    ado::ConnectionPtr connection();
    // Sees every statement the box sends to its connection, before it runs.
    void setStatementObserver(std::function<void(const QString&)> observer) { m_observer = std::move(observer); }

signals:
    void CodigoObtenido();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void UserControl_Initialize();
    void AplicarAspecto();
    void UserControl_Resize();
    bool UserControl_KeyDown(int keyCode);

    void TxtBusqueda_Change();
    bool TxtBusqueda_KeyPress(int keyAscii);
    bool TxtBusqueda_KeyDown(int keyCode);
    void TxtBusqueda_GotFocus();
    void TxtBusqueda_MouseDown();
    void LstBusqueda_Click();
    void LstBusqueda_DblClick();
    bool LstBusqueda_KeyPress(int keyAscii);
    void LstBusqueda_KeyUp(int keyCode);
    void ImgX_Click();
    void IMGOK_Click();
    void imgMas_Click();
    void answerEnter();
    void CmbMes_Click();
    void CmbAño_Click();
    void OptDia_Click(int index);
    void OptDia_DblClick(int index);
    bool OptDia_KeyPress(int index, int keyAscii);
    QString dayText(int index) const;
    void showCalendarDate(const QDate& date);

    void applyBinding(QString& tabla, bool& result);
    QString salesmanFilter();
    bool additionOffered();
    bool calendarShown() const;
    void searchList();
    ado::RecordsetPtr query(const QString& sql, qint64* affected = nullptr);
    QString lineCode(const QListWidgetItem* item) const;
    QString lineDescription(const QListWidgetItem* item) const;

    SearchTextBox* m_txt = nullptr;
    ResultList* m_lst = nullptr;
    BoxImage* m_imgOk = nullptr;
    BoxImage* m_imgMas = nullptr;
    BoxImage* m_imgX = nullptr;
    CalendarFrame* m_calendar = nullptr;

    QString m_connString;
    QString m_tabla;
    int m_selStartInicial = 0;
    ado::ConnectionPtr m_connection;
    QString m_descriptionColumn;
    QString m_codeColumn;
    QString m_extraFilter;
    int m_codeWidth = 0;
    kit::Utilidades m_util;
    bool m_clickEnLista = false;
    bool m_searchFailed = false;
    bool m_calendarioListo = false;   // false while the grid is rebuilt or a day is chosen from code
    std::function<void(const QString&)> m_observer;
};

} // namespace codebox
