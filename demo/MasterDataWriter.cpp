#include "MasterDataWriter.h"

#include "Cuit.h"
#include "DemoDatabase.h"
#include "DemoNames.h"
#include "DemoRandom.h"
#include "SqliteStatement.h"

#include "kit/PasswordCodec.h"

#include <algorithm>
#include <cstdio>

namespace demo {

namespace {

std::string padded(long number, int width, char fill = '0')
{
    std::string text = std::to_string(number);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), fill);
    return text;
}

std::string money(long cents)
{
    char text[32];
    std::snprintf(text, sizeof text, "%ld.%02ld", cents / 100, cents % 100);
    return text;
}

std::string joined(const MasterDataWriter::Row &items, const std::string &separator)
{
    std::string text;
    for (const auto &item : items)
        text += (text.empty() ? "" : separator) + item;
    return text;
}

} // namespace

MasterDataWriter::MasterDataWriter(DemoDatabase &db, DemoRandom &random, int size, int articles)
    : m_db(db)
    , m_random(random)
    , m_size(size)
    , m_articles(articles)
{
}

DemoMasters MasterDataWriter::write()
{
    writeConfiguration();
    writeUsers();
    writeMenuAndTasks();
    writeReports();
    writeDocumentTypes();
    writeBusinessUnits();
    writeDeposits();
    writeFamilies();
    writeSuppliers();
    writeClients();
    writeLedgerAccounts();
    writeArticles();
    writeMotives();
    writeCodeTables();
    writeCostCentresAndPositions();
    writeRecipientsAndTransport();
    writeMailAndPlaces();
    return m_masters;
}

std::string MasterDataWriter::storedPassword(const std::string &plain)
{
    // The program compares the decoded column with the typed password.
    return kit::PasswordCodec::encode(QString::fromStdString(plain)).toStdString();
}

void MasterDataWriter::insertAll(const std::string &table, const Row &columns, const std::vector<Row> &rows)
{
    const std::string marks = joined(Row(columns.size(), "?"), ",");
    SqliteStatement insert(m_db.handle(), "INSERT INTO " + table + " (" + joined(columns, ",") + ") VALUES (" + marks + ")");
    for (const Row &row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            insert.bind(static_cast<int>(i) + 1, row[i]);
        insert.execute();
    }
}

void MasterDataWriter::writeConfiguration()
{
    std::vector<Row> rows{
        {"NOMBRE", "Quindal Insumos Industriales S.A."}, {"cuit", "30-71234567-1"},
        {"CONDIVAEMPRESA", "1"}, {"INICIOACTIVIDADES", "01/03/2004"}, {"NROINGRESOSBRUTOS", "921-765432-1"},
        {"CALLE", "Av. Pellegrini"}, {"NUMERO", "1450"}, {"PISO", "2"}, {"Departamento", "B"},
        {"CFondo", "16577510"}, {"CLetra", "0"}, {"THEME", "1"}, {"TopConsArt", "500"}, {"Top_Default", "1000"},
        {"UsaMultilesMonedas", "SI"}, {"MostrarStockenConsultas", "SI"},
        {"Stk_Nivel1", "0"}, {"Stk_Nivel2", "10"}, {"Stk_Nivel3", "50"}, {"Stk_Nivel4", "100"},
        {"UsaConsultaLIKE", "SI"}, {"ConsultaArticuloConImagen", "NO"}, {"EXIGECLAVECONSULTALIKEARTICULOS", "NO"},
        {"TituloClientes", "Clientes"}, {"TituloProveedores", "Proveedores"}, {"SS_CONFIDENCIALIDAD", "SI"},
        {"SS_BloqueoActivo", "NO"}, {"CantidadDecimales", "2"}, {"CantidadDecimalesVentas", "2"},
        {"UsaFacturaProforma", "NO"}, {"USACCOSTO", "SI"}, {"USA_STK_STOCK_UDKG", "NO"},
        {"UNIDADDEMEDIDA_M3", "M3"}, {"UNIDADDEMEDIDA_BL", "BL"}, {"UNIDADDEMEDIDA_KG", "KG"},
        {"PERIODO", "2024"}, {"RazonSocialPorUneg", "NO"}, {"VALIDACODIGOBARRA", "NO"},
        {"ModuloOrdenDeTrabajo", "NO"}, {"V_ModificaCPrecio", "NO"}, {"C_ModificaCPrecio", "SI"},
        {"MADERERA", "NO"}, {"CuentaCtroDist", ""}, {"MaxDto", "15"}, {"MaxDtoProforma", "10"},
        {"PideClave_StockNeg", "NO"}, {"PideClave_MarkUpBase", "NO"}, {"PideClave_LimiteCredito", "NO"},
        {"UTILIZARFECHADIA", "NO"}, {"FECHAOPERHASTA", ""}, {"AsignacionAutomaticaDeLoteING", "NO"},
        {"AsignacionAutomaticaDeLoteINGOP", "NO"}, {"RUTA_FORMULARIOS_EFACTURA", ""},
        {"FechaInicioeFacQR", "01/03/2021"}, {"DeshabilitaBusquedaCodigoArt", "NO"},
        {"DeshabilitaBusquedaCodigo", "NO"},
        {"INICIO_ACTIVIDADES_UN_1", "01/03/2004"}, {"INGRESOS_BRUTOS_UN_1", "921-765432-1"},
        {"CONDICIONIVA_UN_1", "1"}, {"DOMICILIO_UN_1", "Av. Pellegrini 1450 2 B, Rosario"}};
    const char *priceClasses[] = {"Lista", "Mayorista", "Minorista", "Distribuidor", "Gremio", "Especial", "Contado", "Exportación"};
    for (int i = 0; i < 8; ++i)
        rows.push_back({"NOM_PCLASE" + std::to_string(i + 1), priceClasses[i]});
    for (Row &row : rows)
        row.insert(row.begin(), "DATOS");
    insertAll("TA_CONFIGURACION", {"Grupo", "Clave", "Valor"}, rows);
}

void MasterDataWriter::writeUsers()
{
    insertAll("TA_USUARIOS",
              {"Nombre", "PassWord", "Administrador", "Sistema", "NombreCompleto", "UNegocio", "clasepusa", "IdVendedor"},
              {{"ADMIN", storedPassword("admin"), "1", "BRIX", "Administrador del sistema", "   1", "1,2,3", ""},
               {"COMPRAS", storedPassword("compras"), "0", "vu000va", "Jefe de Compras", "   1", "1", ""},
               {"DEPOSITO", storedPassword("deposito"), "0", "vu000va", "Encargado de Depósito", "   2", "1", ""}});
    m_masters.buyers = {"ADMIN", "COMPRAS", "DEPOSITO"};
}

void MasterDataWriter::writeMenuAndTasks()
{
    insertAll("TA_MENU", {"Clave", "Nombre", "Proceso", "Padre", "Orden"},
              {{"C01", "Compras", "", "", "1"},
               {"C0105", "Reportes de Remitos de Compra", "rp_quindal.exe @ParametroAdicional=RMC", "C01", "5"},
               {"C0106", "Reportes de Ordenes de Compra", "rp_quindal.exe @ParametroAdicional=OC", "C01", "6"},
               {"D010301", "Alta directa de tablas", "", "", "7"},
               {"D010180", "Alta directa de mantenimientos", "", "", "8"},
               {"D010160", "Alta directa de vendedores", "", "", "9"}});
    std::vector<Row> tasks;
    for (const char *task : {"C01", "C0105", "C0106", "D010301", "D010180", "D010160"})
        tasks.push_back({"ADMIN", task});
    tasks.push_back({"COMPRAS", "C0105"});
    tasks.push_back({"COMPRAS", "C0106"});
    insertAll("TA_TAREAS", {"USUARIO", "TAREA"}, tasks);
}

void MasterDataWriter::writeReports()
{
    // One row per report name; a bare name means "<program folder>/<name>.rpt".
    const std::vector<std::pair<std::string, std::string>> reports{
        {"mv_prC", "Remitos / Ordenes de compra - resumido"},
        {"MV_PR2C", "Remitos / Ordenes de compra - detallado"},
        {"mv_pr3C", "Remitos / Ordenes de compra - estadístico"},
        {"mv_pr4", "Control de huecos de numeración"},
        {"mv_prC_Usuario", "Resumido por usuario"},
        {"mv_pr3C_Usuario", "Estadístico por usuario"},
        {"mv_pr3C_Estado_Usuario", "Estadístico por estado y usuario"},
        {"MV_PR2C_xArt", "Detallado por artículo"},
        {"mv_prC_IR", "Resumido por ingreso de mercadería"},
        {"mv_prConsC", "Consolidado de artículos"},
        {"mv_prConsCP", "Consolidado de artículos por proveedor"},
        {"mv_prConsCPF", "Consolidado de artículos por proveedor y fecha"},
        {"Rp_CpteIns", "Subinforme de insumos"},
        {"Rp_CpteSer", "Subinforme de servicios"},
        {"Rp_CpteObs", "Subinforme de observaciones"}};
    std::vector<Row> rows;
    for (const auto &[name, description] : reports)
        rows.push_back({name, description, name, "", "", ""});
    insertAll("TA_REPORTES", {"NOMBRE", "Descripcion", "Archivo", "Archivo2", "Archivo3", "Archivo4"}, rows);
}

void MasterDataWriter::writeDocumentTypes()
{
    insertAll("TA_COMPROBANTES", {"Codigo", "Descripcion", "Sistema"},
              {{"RMC", "Remito de compra", "Compras"}, {"OC", "Orden de compra", "Compras"},
               {"IR", "Ingreso de mercadería", "Stock"}, {"FCC", "Factura de compra", "Compras"},
               {"RM", "Remito de venta", "Ventas"}, {"FC-E", "Factura electrónica", "Ventas"},
               {"NC-E", "Nota de crédito electrónica", "Ventas"}, {"ND-E", "Nota de débito electrónica", "Ventas"}});
}

void MasterDataWriter::writeBusinessUnits()
{
    insertAll("V_TA_UNIDADNEGOCIO", {"CODIGO", "DESCRIPCION", "razon_social", "Cuit", "PDV", "usaefc", "ruta_reporte", "Domicilio"},
              {{"   1", "Casa central", "Quindal Insumos Industriales S.A.", "30-71234567-1", "0001", "1", "", "Av. Pellegrini 1450, Rosario"},
               {"   2", "Sucursal Córdoba", "", "", "0002", "0", "", "Av. Colón 3120, Córdoba"},
               {"   3", "Sucursal Mendoza", "", "", "0003", "0", "", "Av. San Martín 880, Mendoza"}});
    m_masters.businessUnits = {"   1", "   2", "   3"};
}

void MasterDataWriter::writeDeposits()
{
    insertAll("V_TA_DEPOSITO", {"IdDeposito", "Descripcion", "UNegocio", "Confidencial"},
              {{"   1", "Depósito central", "   1", "0"}, {"   2", "Depósito Córdoba", "   2", "0"},
               {"   3", "Depósito Mendoza", "   3", "0"}, {"   9", "Depósito de terceros", "   1", "1"}});
    m_masters.deposits = {"   1", "   2", "   3"};
    insertAll("TA_Deposito", {"IDDeposito", "DESCRIPCION"}, {{"   1", "Depósito central"}, {"   2", "Depósito Córdoba"}});
}

void MasterDataWriter::writeFamilies()
{
    std::vector<Row> rows;
    const auto &nouns = DemoNames::articleNouns();
    for (std::size_t group = 0; group < 4; ++group) {
        const std::string groupCode = padded(static_cast<long>(group + 1), 2);
        const char *groupNames[] = {"Ferretería", "Electricidad", "Lubricación", "Seguridad"};
        rows.push_back({groupCode, groupNames[group], "0"});
        for (std::size_t i = 0; i < 5; ++i)
            rows.push_back({groupCode + padded(static_cast<long>(i + 1), 2), nouns[(group * 5 + i) % nouns.size()], group == 3 ? "1" : "0"});
    }
    rows.push_back({"05", "Servicios", "0"});
    rows.push_back({"0501", "Servicios de terceros", "0"});
    insertAll("V_TA_FAMILIAS", {"IdFamilia", "Descripcion", "Confidencial"}, rows);
}

std::string MasterDataWriter::personName()
{
    return m_random.pick(DemoNames::surnames()) + " " + m_random.pick(DemoNames::givenNames());
}

std::string MasterDataWriter::companyName()
{
    return m_random.pick(DemoNames::companyWords()) + " " + m_random.pick(DemoNames::surnames()) + " "
        + m_random.pick(DemoNames::companyForms());
}

std::string MasterDataWriter::address()
{
    return m_random.pick(DemoNames::streets()) + " " + std::to_string(m_random.between(10, 4999));
}

std::string MasterDataWriter::uniqueCuit(int prefix)
{
    for (;;) {
        const std::string cuit = Cuit::format(prefix, static_cast<long>(m_random.between(10000000, 99999999)));
        if (!cuit.empty() && std::find(m_usedCuits.begin(), m_usedCuits.end(), cuit) == m_usedCuits.end()) {
            m_usedCuits.push_back(cuit);
            return cuit;
        }
    }
}

void MasterDataWriter::writeSuppliers()
{
    const int count = std::clamp(m_size / 20, 30, 2000);
    std::vector<Row> rows;
    for (int i = 1; i <= count; ++i) {
        const std::string code = "2110" + padded(i, 4);
        // Sole traders carry a personal prefix (20 men, 27 women by convention), firms 30.
        const bool company = m_random.chance(700);
        const std::string name = company ? companyName() : personName();
        const char *vat[] = {"   1", "   1", "   1", "   4", "   6"};
        rows.push_back({code, padded(i, 5), name, name, name, "P", uniqueCuit(company ? 30 : (m_random.chance(500) ? 20 : 27)),
                        vat[m_random.between(0, 4)], address(), m_random.pick(DemoNames::towns()),
                        "0341-4" + padded(static_cast<long>(m_random.between(0, 999999)), 6),
                        m_random.pick(DemoNames::givenNames()) + " " + m_random.pick(DemoNames::surnames()),
                        m_random.chance(40) ? "1" : "0"});
        m_masters.suppliers.push_back(code);
    }
    insertAll("MA_CUENTAS", {"Codigo", "CodigoOpcional", "Descripcion", "Razon_Social", "Nombre", "Tipo", "Cuit", "CondicionIva",
                             "Domicilio", "Localidad", "Telefono", "CONTACTO", "Dada_De_Baja"}, rows);
}

void MasterDataWriter::writeClients()
{
    std::vector<Row> rows;
    for (int i = 1; i <= 25; ++i) {
        const std::string name = companyName();
        const std::string cuit = uniqueCuit(m_random.chance(500) ? 30 : 27);
        rows.push_back({"1120" + padded(i, 4), "C" + padded(i, 4), name, name, "C", cuit, "   1", cuit,
                        address(), m_random.pick(DemoNames::towns()), "0001", i % 5 == 0 ? "   2" : "   1", "0"});
    }
    insertAll("MA_CUENTAS", {"Codigo", "CodigoOpcional", "Descripcion", "Razon_Social", "Tipo", "Cuit", "CondicionIva",
                             "NUMERO_DOCUMENTO", "Domicilio", "Localidad", "Codigo_sucursal", "IdVendedor", "Dada_De_Baja"}, rows);
    insertAll("V_TA_VENDEDORES", {"idvendedor", "NOMBRE"}, {{"   1", "Juan Peralta"}, {"   2", "Laura Quiroga"}});
}

void MasterDataWriter::writeLedgerAccounts()
{
    insertAll("MA_CUENTAS", {"Codigo", "Descripcion", "Tipo", "Titulo", "TIPOVISTA", "MEDIODEPAGO", "CAJAYBANCO", "Confidencial"},
              {{"1", "ACTIVO", "G", "1", "", "", "0", "0"},
               {"1110", "Caja y bancos", "G", "1", "", "", "0", "0"},
               {"11100001", "Caja central", "G", "0", "", "", "1", "0"},
               {"11100002", "Banco Nación cuenta corriente", "G", "0", "", "", "1", "0"},
               {"11100003", "Valores a depositar", "G", "0", "", "RB", "0", "0"},
               {"1130", "Bienes de cambio", "G", "0", "", "", "0", "0"},
               {"2", "PASIVO", "G", "1", "", "", "0", "0"},
               {"21400001", "IVA crédito fiscal", "G", "0", "", "", "0", "0"},
               {"5", "EGRESOS", "G", "1", "", "", "0", "0"},
               {"51100001", "Compras de mercadería", "G", "0", "", "", "0", "0"},
               {"51100002", "Fletes y acarreos", "G", "0", "", "", "0", "0"},
               {"52100001", "Sueldos de dirección", "G", "0", "", "", "0", "1"}});
    insertAll("V_TA_CAJAS", {"IDCajas", "Descripcion", "Cuenta", "Confidencial"},
              {{"   1", "Caja central", "11100001", "0"}, {"   2", "Caja tesorería", "11100001", "1"}});
    insertAll("MV_ASIENTOS", {"NroAsiento", "Fecha", "Cuenta", "Detalle", "Debe", "Haber", "Confidencial"},
              {{"1", "2024-01-02 00:00:00", "51100001", "Apertura", "1500000.00", "0", "0"},
               {"1", "2024-01-02 00:00:00", "11100002", "Apertura", "0", "1500000.00", "0"},
               {"2", "2024-01-31 00:00:00", "52100001", "Sueldos de enero", "2400000.00", "0", "1"},
               {"2", "2024-01-31 00:00:00", "11100002", "Sueldos de enero", "0", "2400000.00", "1"}});
}

void MasterDataWriter::appendServices(std::vector<Row> &articles)
{
    // Services bought with the goods (type 3): they print apart on a detailed document.
    long number = 0;
    for (const std::string &service : DemoNames::services()) {
        const std::string id = "05-" + padded(++number, 5);
        const long cost = static_cast<long>(m_random.between(2000000, 9000000));
        articles.push_back({id, service, "0501", "   3", money(cost), money(cost * 135 / 100), money(cost * 125 / 100),
                            money(cost * 150 / 100), "0"});
        m_masters.articles.push_back({id, service, cost});
    }
}

void MasterDataWriter::writeArticles()
{
    const int count = m_articles > 0 ? m_articles : std::clamp(m_size / 10, 80, 5000);
    std::vector<Row> articles;
    std::vector<Row> prices;
    std::vector<Row> stock;
    for (int i = 1; i <= count; ++i) {
        const std::string id = padded(static_cast<long>(m_random.between(1, 4)), 2) + "-" + padded(i, 5);
        const std::string description = m_random.pick(DemoNames::articleNouns()) + " "
            + m_random.pick(DemoNames::articleQualifiers()) + " " + m_random.pick(DemoNames::articleSizes());
        const long cost = static_cast<long>(m_random.between(150, 950000));
        const std::string family = id.substr(0, 2) + padded(static_cast<long>(m_random.between(1, 5)), 2);
        articles.push_back({id, description, family, "   1", money(cost), money(cost * 135 / 100), money(cost * 125 / 100),
                            money(cost * 150 / 100), m_random.chance(30) ? "1" : "0"});
        for (const char *list : {"   1", "   2"})
            prices.push_back({id, list, money(cost * (list[3] == '1' ? 135 : 125) / 100), "1"});
        for (const auto &deposit : m_masters.deposits)
            stock.push_back({id, deposit, std::to_string(m_random.between(0, 400)), std::to_string(m_random.between(5, 40))});
        m_masters.articles.push_back({id, description, cost});
    }
    appendServices(articles);
    insertAll("MA_ARTICULOS", {"IdArticulo", "Descripcion", "IdFamilia", "IdTipo", "Costo", "Precio", "Precio1", "Precio2", "SUSPENDIDO"}, articles);
    insertAll("V_MA_PRECIOS", {"IdArticulo", "IdLista", "Precio", "Moneda"}, prices);
    insertAll("MV_STOCKDEPOSITO", {"IdArticulo", "IdDeposito", "Stock", "PuntoPedido"}, stock);
    insertAll("V_ta_PoliticaPrecios", {"codigo", "Descripcion"}, {{"   1", "Lista general"}, {"   2", "Lista mayorista"}});
}

void MasterDataWriter::writeMotives()
{
    insertAll("V_TA_MotivoCpra", {"IdMotivoCpra", "Descripcion"},
              {{"   1", "Reposición de stock"}, {"   2", "Compra para obra"}, {"   3", "Insumos de mantenimiento"},
               {"   4", "Compra de bienes de uso"}, {"   5", "Garantía de proveedor"}});
    m_masters.purchaseMotives = {"   1", "   2", "   3", "   4", "   5"};
    insertAll("V_TA_MotivoVta", {"IdMotivoVta", "Descripcion"}, {{"   1", "Venta mostrador"}, {"   2", "Venta mayorista"}});
    std::vector<Row> purchase;
    std::vector<Row> sale;
    for (const char *vat : {"   1", "   4", "   6"}) {
        for (const auto &motive : m_masters.purchaseMotives)
            purchase.push_back({motive, vat, "51100001", "51100002", "51100001", "21400001"});
        sale.push_back({"   1", vat, "41100001", "41100002", "41100001", "21300001"});
    }
    insertAll("V_TA_Input_Compras", {"IdMotivoCpra", "CondIva", "Repuestos", "Servicios", "Otros", "C_CFI_CTACPRA"}, purchase);
    insertAll("V_TA_Input_Ventas", {"IdMotivoVta", "CondIva", "Repuestos", "Servicios", "Otros", "V_DFI_CTAVTA"}, sale);
    insertAll("V_TA_CPRA_VTA", {"IDCOND_CPRA_VTA", "Descripcion", "CantidadDias", "HabilitadoPara", "DtoMaximo", "FechaHora_Grabacion"},
              {{"   1", "Contado", "0", "VC", "100", "2023-01-02 00:00:00"},
               {"   2", "Cuenta corriente 30 días", "30", "VC", "100", "2023-01-02 00:00:00"},
               {"   3", "Cuenta corriente 60 días", "60", "C", "100", "2023-01-02 00:00:00"}});
}

void MasterDataWriter::writeCodeTables()
{
    insertAll("V_TA_Rubros", {"IDRubro", "Descripcion"}, {{"   1", "Ferretería"}, {"   2", "Electricidad"}, {"   3", "Lubricantes"}});
    insertAll("V_TA_Unidad", {"IDUnidad", "Descripcion"}, {{"   1", "Unidad"}, {"   2", "Kilogramo"}, {"   3", "Litro"}, {"   4", "Metro"}});
    insertAll("V_TA_TipoArticulo", {"IDTIPO", "Descripcion"}, {{"   1", "Insumo"}, {"   2", "Repuesto"}, {"   3", "Servicio"}});
    insertAll("V_TA_Bancos", {"IDBanco", "Descripcion"}, {{"   1", "Banco de la Nación Argentina"}, {"   2", "Banco de Santa Fe"}});
    insertAll("V_TA_Tareas", {"IDTarea", "Descripcion"}, {{"   1", "Recepción"}, {"   2", "Control de calidad"}});
    insertAll("V_TA_Tecnicos", {"IDTecnico", "Nombre"}, {{"   1", "Martín Ledesma"}, {"   2", "Hernán Ojeda"}});
    insertAll("V_TA_MotivoStock", {"IdMotivoStock", "Descripcion"}, {{"   1", "Ingreso por compra"}, {"   2", "Ajuste de inventario"}});
    insertAll("TA_PAISES", {"CODIGO", "DESCRIPCION"}, {{"   1", "Argentina"}, {"   2", "Uruguay"}, {"   3", "Chile"}});
    insertAll("TA_TIPODOCUMENTO", {"CODIGO", "DESCRIPCION"}, {{"  80", "CUIT"}, {"  86", "CUIL"}, {"  96", "DNI"}});
    insertAll("TA_ESTADOS", {"CODIGO", "DESCRIPCION"}, {{"   1", "Pendiente"}, {"   2", "Finalizada"}, {"   3", "Anulada"},
                                                        {"   4", "Bloqueada"}, {"   5", "Cerrada"}, {"   6", "Recepcionada"}});
    insertAll("V_TA_PERCEPCION", {"IDPERCEPCION", "DESCRIPCION"}, {{"   1", "Percepción IVA"}, {"   2", "Percepción IIBB Santa Fe"}});
    insertAll("V_TA_RETENCIONES", {"IDRETENCION", "DESCRIPCION"}, {{"   1", "Retención Ganancias"}, {"   2", "Retención IIBB"}});
    insertAll("MV_EJERCICIOS", {"PERIODO", "DESCRIPCION", "Desde", "Hasta"},
              {{"2023", "Ejercicio 2023", "2023-01-01 00:00:00", "2023-12-31 00:00:00"},
               {"2024", "Ejercicio 2024", "2024-01-01 00:00:00", "2024-12-31 00:00:00"}});
    insertAll("ta_codigospostales", {"cp", "LOCALIDAD", "CODIGO", "DESCRIPCION"},
              {{"2000", "Rosario", "2000", "Rosario"}, {"5000", "Córdoba", "5000", "Córdoba"}, {"5500", "Mendoza", "5500", "Mendoza"}});
    insertAll("MA_CONTACTOS", {"idContacto", "Nombre_y_Apellido", "Domicilio", "Localidad", "Telefono", "Cuenta"},
              {{"     1", "Paula Benítez", "Sarmiento 455", "Rosario", "0341-4401122", m_masters.suppliers.front()},
               {"     2", "Diego Cabrera", "Moreno 1020", "Córdoba", "0351-4223344", m_masters.suppliers.back()},
               {"     3", "Lucía D'Alessandro", "O'Higgins 310", "Rosario", "0341-4556677", m_masters.suppliers[1]}});
}

void MasterDataWriter::writeCostCentresAndPositions()
{
    insertAll("TA_CCOSTO", {"CODIGO", "DESCRIPCION"},
              {{"1", "Administración"}, {"101", "Compras"}, {"102", "Tesorería"}, {"2", "Operaciones"}, {"201", "Depósito"}});
    insertAll("MA_POSICIONES", {"IDPOSICION", "Descripcion"},
              {{"1", "Dirección"}, {"11", "Gerencia de compras"}, {"111", "Comprador"}, {"12", "Gerencia de logística"}});
}

std::string MasterDataWriter::fixedWidth(const std::string &text, int width, bool rightAligned)
{
    // The server pads char columns; the embedded engine keeps what it is given.
    const std::string blanks(static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size()))), ' ');
    return rightAligned ? blanks + text : text + blanks;
}

void MasterDataWriter::writeRecipientsAndTransport()
{
    // Recipients are read as one id: client (4, right-aligned), code (16) and branch (6).
    const std::vector<Row> recipients{
        {"1", "OBRA-NORTE", "1", "Obrador Zona Norte", "Ruta 34 km 4,5"},
        {"1", "DEP-CENTRAL", "1", "Depósito central del cliente", "Bv. Oroño 2200"},
        {"5", "PLANTA-2", "2", "Planta O'Higgins", "O'Higgins 1450"},
        {"12", "SUC-CBA", "3", "Sucursal Córdoba", "Av. Colón 3120"},
        {"12", "OBRA-SUR", "1", "Obra Barrio Sur", "Entre Ríos 880"},
        {"25", "ACOPIO", "10", "Acopio de materiales", "Av. Circunvalación 5100"}};
    std::vector<Row> rows;
    for (const Row &r : recipients)
        rows.push_back({fixedWidth(r[0], 4, true), fixedWidth(r[1], 16, false), fixedWidth(padded(std::stol(r[2]), 4), 6, false),
                        r[3], r[4]});
    insertAll("MA_DESTINATARIOS", {"Cliente", "Codigo", "Sucursal", "Nombre", "Domicilio"}, rows);
    insertAll("MA_CHOFERES", {"CODIGO", "APELLIDO", "NOMBRES"},
              {{"   1", "Gómez", "Raúl Alberto"}, {"   2", "Ferreyra", "Silvio"}, {"   3", "Acosta", "Néstor Fabián"}});
    insertAll("MA_MODELOS", {"NOMBRE", "Marca"}, {{"Atego 1726", "Mercedes-Benz"}, {"Cargo 1723", "Ford"}, {"Tector 170E28", "Iveco"}});
    insertAll("MA_VEHICULOS", {"PATENTE", "TIPO_VEHICULO", "MARCA", "MODELO", "TIPO"},
              {{"AB123CD", "Camión", "Mercedes-Benz", "Atego 1726", "Chasis"},
               {"AC456EF", "Camión", "Ford", "Cargo 1723", "Jaula"},
               {"OPQ789", "Acoplado", "Iveco", "Tector 170E28", "Jaula"}});
    insertAll("V_MV_TROPA", {"id", "FechaDte", "Dte", "IdTropa", "Patente", "Chofer", "NroGuia", "CuitVendedor"},
              {{"1", "2024-03-04 00:00:00", "0001-00012345", "T-1001", "AC456EF", "Gómez Raúl Alberto", "G-55012", "20-12345678-6"},
               {"2", "2024-03-11 00:00:00", "0001-00012388", "T-1002", "AC456EF", "Gómez Raúl Alberto", "G-55047", "20-12345678-6"},
               {"3", "2024-03-18 00:00:00", "0002-00004410", "T-1003", "OPQ789", "Ferreyra Silvio", "G-55090", "30-70845672-8"},
               {"4", "2024-04-02 00:00:00", "0002-00004452", "T-1004", "OPQ789", "Ferreyra Silvio", "G-55131", "30-70845672-8"},
               {"5", "2024-04-15 00:00:00", "0003-00000917", "T-1005", "AC456EF", "Acosta Néstor Fabián", "G-55188", "27-23456789-1"}});
    insertAll("V_MV_TROPA_STOCK", {"id", "idTropa", "categoria", "secuencia", "lado", "kg", "comprador", "fecha", "idPlanilla"},
              {{"1", "T-1001", "Novillo", "1", "A", "121.50", "Frigorífico del Litoral", "2024-03-05 00:00:00", "1"},
               {"2", "T-1001", "Novillo", "1", "B", "119.80", "Frigorífico del Litoral", "2024-03-05 00:00:00", "1"},
               {"3", "T-1003", "Vaquillona", "2", "A", "98.40", "Carnes Rafaela", "2024-03-19 00:00:00", "2"},
               {"4", "T-1003", "Vaquillona", "2", "B", "97.10", "Carnes Rafaela", "2024-03-19 00:00:00", "2"}});
}

void MasterDataWriter::writeMailAndPlaces()
{
    insertAll("V_MA_EMAIL", {"Evento", "Destinatario"},
              {{"Orden de compra aprobada", "compras@quindal.com.ar"},
               {"Orden de compra anulada", "compras@quindal.com.ar"},
               {"Remito de compra recibido", "deposito@quindal.com.ar"},
               {"Faltante de stock", "deposito@quindal.com.ar"},
               {"Vencimiento de proveedor", "tesoreria@quindal.com.ar"}});
    std::vector<Row> streets;
    for (const std::string &street : DemoNames::streets())
        streets.push_back({street});
    streets.push_back({"O'Higgins"});
    streets.push_back({"Bv. Oroño"});
    insertAll("VT_MAPINFO_CALLES", {"STREET"}, streets);
    insertAll("MAPINFO_LOCALIDADES", {"LOCALIDAD", "PARTIDO", "Cod_postal"},
              {{"Rosario", "Rosario", "2000"}, {"Funes", "Rosario", "2132"}, {"Villa Gobernador Gálvez", "Rosario", "2124"},
               {"Córdoba", "Capital", "5000"}, {"Villa Carlos Paz", "Punilla", "5152"}, {"Mendoza", "Capital", "5500"},
               {"Godoy Cruz", "Godoy Cruz", "5501"}, {"Rafaela", "Castellanos", "2300"}, {"Venado Tuerto", "General López", "2600"}});
}

} // namespace demo
