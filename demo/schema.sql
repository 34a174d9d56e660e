-- Suite database of the demo, in SQL Server's dialect. The embedded engine translates it
-- (text columns get the server-like collation). Statements are separated by GO lines.
-- Objects the program writes are tables, even when their names say "view".

-- Users of the suite; PassWord holds the encoded form, Administrador the admin flag.
CREATE TABLE TA_USUARIOS (
  Id int IDENTITY(1,1) PRIMARY KEY,
  Nombre varchar(50) NOT NULL,
  PassWord varchar(100) NULL,
  Administrador bit NOT NULL DEFAULT (0),
  Sistema varchar(20) NOT NULL DEFAULT ('BRIX'),
  NombreCompleto varchar(100) NULL,
  UNegocio char(4) NULL,
  clasepusa varchar(50) NULL,
  verproforma bit NOT NULL DEFAULT (0),
  IdVendedor char(4) NULL,
  Email varchar(100) NULL
)
GO
-- Business settings by key and group; booleans are the text SI.
CREATE TABLE TA_CONFIGURACION (
  Id int IDENTITY(1,1) PRIMARY KEY,
  Grupo varchar(50) NOT NULL DEFAULT ('DATOS'),
  Clave varchar(100) NOT NULL,
  Valor varchar(255) NULL,
  ValorAux varchar(255) NULL,
  PoliticaNegocio bit NOT NULL DEFAULT (0)
)
GO
-- Saved control states per window and user; templates have an empty user.
CREATE TABLE TA_CONFIG_FORM (
  ID int IDENTITY(1,1) PRIMARY KEY,
  FORMULARIO varchar(100) NOT NULL,
  USUARIO varchar(50) NULL,
  TIPOOBJETO varchar(50) NULL,
  NOMBRE varchar(50) NULL,
  PROPIEDAD varchar(50) NULL,
  DATAFIELD varchar(50) NULL,
  VALOR text NULL
)
GO
-- One row per program start.
CREATE TABLE Control_Acceso (
  Id int IDENTITY(1,1) PRIMARY KEY,
  Maquina varchar(50) NULL,
  Usuario varchar(50) NULL,
  Formulario varchar(100) NULL,
  Tarea varchar(100) NULL,
  Ingreso datetime NULL,
  NombreUsuario varchar(50) NULL
)
GO
-- Audit trail of actions on documents (written by every program of the suite).
CREATE TABLE V_MV_CPTEACCIONES (
  Id int IDENTITY(1,1) PRIMARY KEY,
  TC varchar(6) NULL,
  IdComprobante varchar(20) NULL,
  IdComplemento int NULL,
  Tipo_accion varchar(2) NULL,
  FECHAHORA datetime NULL,
  Usuario varchar(50) NULL,
  PC varchar(50) NULL,
  SYSTEMUSER varchar(255) NULL,
  Proceso varchar(255) NULL,
  ProcesoLote varchar(50) NULL,
  Cuenta varchar(15) NULL
)
GO
-- SQL scripts that failed.
CREATE TABLE AUX_ERR (
  Id int IDENTITY(1,1) PRIMARY KEY,
  Proceso varchar(100) NULL,
  fecha datetime NULL,
  Error int NULL,
  Descripcion varchar(250) NULL,
  sql text NULL,
  PC varchar(50) NULL,
  Usuario varchar(50) NULL
)
GO
-- Menu entries of the suite, keyed by task code.
CREATE TABLE TA_MENU (
  Clave varchar(20) NOT NULL PRIMARY KEY,
  Nombre varchar(100) NULL,
  Proceso varchar(255) NULL,
  Padre varchar(20) NULL,
  Orden int NULL
)
GO
-- Tasks (menu entries and rights) granted to each user.
CREATE TABLE TA_TAREAS (
  Id int IDENTITY(1,1) PRIMARY KEY,
  USUARIO varchar(50) NOT NULL,
  TAREA varchar(20) NOT NULL
)
GO
-- Report name to report files (up to four per name).
CREATE TABLE TA_REPORTES (
  NOMBRE varchar(100) NOT NULL PRIMARY KEY,
  Descripcion varchar(100) NULL,
  Archivo varchar(255) NULL,
  Archivo2 varchar(255) NULL,
  Archivo3 varchar(255) NULL,
  Archivo4 varchar(255) NULL
)
GO
-- Document types; Sistema says which subsystem owns the type.
CREATE TABLE TA_COMPROBANTES (
  Codigo varchar(6) NOT NULL PRIMARY KEY,
  Descripcion varchar(100) NULL,
  Sistema varchar(20) NULL
)
GO
CREATE VIEW V_TA_CPTE AS SELECT Codigo, Descripcion, Sistema FROM TA_COMPROBANTES
GO
CREATE VIEW VT_TA_Cpte AS SELECT Codigo, Descripcion, Sistema FROM TA_COMPROBANTES
GO
CREATE VIEW TA_Cpte AS SELECT Codigo, Descripcion, Sistema FROM TA_COMPROBANTES
GO
-- Business units: point of sale, company data and report folder per unit.
CREATE TABLE V_TA_UNIDADNEGOCIO (
  CODIGO char(4) NOT NULL PRIMARY KEY,
  DESCRIPCION varchar(100) NULL,
  razon_social varchar(100) NULL,
  Cuit varchar(13) NULL,
  PDV char(4) NULL,
  usaefc bit NOT NULL DEFAULT (0),
  ruta_reporte varchar(255) NULL,
  Domicilio varchar(100) NULL
)
GO
-- Chart of accounts: ledger accounts, suppliers (Tipo P) and clients (Tipo C).
CREATE TABLE MA_CUENTAS (
  Codigo varchar(15) NOT NULL PRIMARY KEY,
  CodigoOpcional varchar(15) NULL,
  Descripcion varchar(100) NULL,
  Razon_Social varchar(100) NULL,
  Nombre varchar(100) NULL,
  Tipo char(1) NOT NULL DEFAULT ('G'),
  Cuit varchar(13) NULL,
  CondicionIva char(4) NULL,
  NUMERO_DOCUMENTO varchar(20) NULL,
  Domicilio varchar(100) NULL,
  Localidad varchar(60) NULL,
  Provincia varchar(40) NULL,
  Telefono varchar(40) NULL,
  Email varchar(100) NULL,
  CONTACTO varchar(60) NULL,
  Codigo_sucursal varchar(4) NULL,
  IdVendedor char(4) NULL,
  Titulo bit NOT NULL DEFAULT (0),
  TIPOVISTA varchar(10) NULL,
  MEDIODEPAGO varchar(2) NULL,
  CAJAYBANCO bit NOT NULL DEFAULT (0),
  Dada_De_Baja bit NOT NULL DEFAULT (0),
  Confidencial bit NOT NULL DEFAULT (0)
)
GO
CREATE VIEW SS_MA_CUENTAS AS SELECT * FROM MA_CUENTAS WHERE Confidencial = 0
GO
CREATE VIEW VT_PROVEEDORES AS SELECT * FROM MA_CUENTAS WHERE Tipo = 'P'
GO
CREATE VIEW VT_CLIENTES AS SELECT * FROM MA_CUENTAS WHERE Tipo = 'C'
GO
CREATE VIEW VT_CLIENTESvs AS SELECT * FROM MA_CUENTAS WHERE Tipo = 'C'
GO
-- Ledger entries and the daily account balances, with their restricted views.
CREATE TABLE MV_ASIENTOS (
  Id int IDENTITY(1,1) PRIMARY KEY,
  NroAsiento int NULL,
  Fecha datetime NULL,
  Cuenta varchar(15) NULL,
  Detalle varchar(100) NULL,
  Debe money NULL,
  Haber money NULL,
  Confidencial bit NOT NULL DEFAULT (0)
)
GO
CREATE VIEW SS_MV_ASIENTOS AS SELECT * FROM MV_ASIENTOS WHERE Confidencial = 0
GO
CREATE TABLE AC_CUENTASDIARIO (
  Fecha datetime NULL,
  Cuenta varchar(15) NULL,
  Debe money NULL,
  Haber money NULL,
  Confidencial bit NOT NULL DEFAULT (0)
)
GO
CREATE VIEW SS_AC_CUENTASDIARIO AS SELECT * FROM AC_CUENTASDIARIO WHERE Confidencial = 0
GO
CREATE TABLE AC_CUENTASDIARIO_CCOSTO (
  Fecha datetime NULL,
  Cuenta varchar(15) NULL,
  CCosto varchar(10) NULL,
  Debe money NULL,
  Haber money NULL,
  Confidencial bit NOT NULL DEFAULT (0)
)
GO
CREATE VIEW SS_AC_CUENTAS_DIARIO_CCOSTO AS SELECT * FROM AC_CUENTASDIARIO_CCOSTO WHERE Confidencial = 0
GO
-- Deposits, cash boxes and article families, with their restricted views.
CREATE TABLE V_TA_DEPOSITO (
  IdDeposito char(4) NOT NULL PRIMARY KEY,
  Descripcion varchar(100) NULL,
  UNegocio char(4) NULL,
  Confidencial bit NOT NULL DEFAULT (0)
)
GO
CREATE VIEW SS_V_TA_DEPOSITO AS SELECT * FROM V_TA_DEPOSITO WHERE Confidencial = 0
GO
CREATE TABLE V_TA_FAMILIAS (
  IdFamilia varchar(10) NOT NULL PRIMARY KEY,
  Descripcion varchar(100) NULL,
  Confidencial bit NOT NULL DEFAULT (0)
)
GO
CREATE VIEW SS_V_TA_FAMILIAS AS SELECT * FROM V_TA_FAMILIAS WHERE Confidencial = 0
GO
CREATE TABLE V_TA_CAJAS (
  IDCajas char(4) NOT NULL PRIMARY KEY,
  Descripcion varchar(100) NULL,
  Cuenta varchar(15) NULL,
  Confidencial bit NOT NULL DEFAULT (0)
)
GO
CREATE VIEW SS_V_TA_CAJAS AS SELECT * FROM V_TA_CAJAS WHERE Confidencial = 0
GO
-- Articles with their prices, stock per deposit and the lookup views over them.
CREATE TABLE MA_ARTICULOS (
  IdArticulo varchar(25) NOT NULL PRIMARY KEY,
  Descripcion varchar(100) NULL,
  IdFamilia varchar(10) NULL,
  IdRubro char(4) NULL,
  IdTipo char(4) NULL,
  IdUnidad char(4) NULL,
  CodigoBarra varchar(20) NULL,
  Costo money NULL,
  Precio money NULL,
  Precio1 money NULL,
  Precio2 money NULL,
  Precio3 money NULL,
  Precio4 money NULL,
  Precio5 money NULL,
  Precio6 money NULL,
  Precio7 money NULL,
  Precio8 money NULL,
  RutaImagen varchar(255) NULL,
  SUSPENDIDO bit NOT NULL DEFAULT (0)
)
GO
-- Article searches list the first 100 matches by description: read in this order they stop at
-- the hundredth instead of matching and sorting the whole table. The code rides along, as the
-- clustered key does in a server's index, so matching a code needs no row of the table.
CREATE INDEX IX_MA_ARTICULOS_Descripcion ON MA_ARTICULOS (Descripcion, IdArticulo)
GO
CREATE VIEW V_MA_ARTICULOS AS SELECT * FROM MA_ARTICULOS
GO
CREATE VIEW VT_MA_ARTICULOS AS SELECT * FROM MA_ARTICULOS
GO
CREATE TABLE MV_STOCKDEPOSITO (
  IdArticulo varchar(25) NOT NULL,
  IdDeposito char(4) NOT NULL,
  Stock decimal(18,4) NULL,
  PuntoPedido decimal(18,4) NULL
)
GO
CREATE VIEW STK_MA_ARTICULOS AS SELECT MA_ARTICULOS.*, MV_STOCKDEPOSITO.IdDeposito AS Deposito, MV_STOCKDEPOSITO.Stock AS Stock, MV_STOCKDEPOSITO.PuntoPedido AS PuntoPedido FROM MA_ARTICULOS INNER JOIN MV_STOCKDEPOSITO ON MA_ARTICULOS.IdArticulo = MV_STOCKDEPOSITO.IdArticulo
GO
CREATE TABLE V_MA_PRECIOS (
  IdArticulo varchar(25) NOT NULL,
  IdLista char(4) NOT NULL,
  Precio money NULL,
  Moneda char(1) NULL,
  PRIMARY KEY (IdArticulo, IdLista)
)
GO
-- Price lists.
CREATE TABLE V_ta_PoliticaPrecios (
  codigo char(4) NOT NULL PRIMARY KEY,
  Descripcion varchar(100) NULL
)
GO
-- Purchase documents (delivery notes RMC, purchase orders OC): 13-character id
-- (point of sale, number, letter), state flags and guarantee flag.
CREATE TABLE C_MV_CPTE (
  TC varchar(6) NOT NULL,
  IdComprobante char(13) NOT NULL,
  Sucursal char(4) NOT NULL,
  Letra char(1) NOT NULL,
  Fecha datetime NOT NULL,
  FechaEntrega datetime NULL,
  Cuenta varchar(15) NOT NULL,
  IdMotivoCpraVta char(4) NULL,
  UNEGOCIO char(4) NULL,
  Usuario varchar(50) NULL,
  Estado varchar(20) NULL,
  FINALIZADO bit NOT NULL DEFAULT (0),
  Anulada bit NOT NULL DEFAULT (0),
  Bloqueada bit NOT NULL DEFAULT (0),
  Cerrada bit NOT NULL DEFAULT (0),
  Recepcionada bit NOT NULL DEFAULT (0),
  Garantia bit NOT NULL DEFAULT (0),
  Moneda char(1) NULL,
  Importe money NULL,
  Observaciones varchar(255) NULL,
  PRIMARY KEY (TC, IdComprobante)
)
GO
CREATE TABLE C_MV_CPTEINSUMOS (
  TC varchar(6) NOT NULL,
  IdComprobante char(13) NOT NULL,
  Item int NOT NULL,
  IdArticulo varchar(25) NOT NULL,
  Descripcion varchar(100) NULL,
  Cantidad decimal(18,4) NULL,
  CantidadRecibida decimal(18,4) NULL,
  Precio money NULL,
  Importe money NULL,
  PRIMARY KEY (TC, IdComprobante, Item)
)
GO
CREATE VIEW V_MV_CPTE AS SELECT TC, IdComprobante, Fecha, Cuenta, UNEGOCIO, Usuario, Importe FROM C_MV_CPTE
GO
-- Stock movements; stock receipts (IR) point at the purchase order they receive.
CREATE TABLE V_MV_STOCK (
  TC varchar(6) NOT NULL,
  IdComprobante char(13) NOT NULL,
  Item int NOT NULL,
  Fecha datetime NOT NULL,
  Usuario varchar(50) NULL,
  UNEGOCIO char(4) NULL,
  IdDeposito char(4) NULL,
  IdArticulo varchar(25) NULL,
  Cantidad decimal(18,4) NULL,
  TcOrigen varchar(6) NULL,
  IdCpteOrigen char(13) NULL,
  Cuenta varchar(15) NULL
)
GO
-- Electronic documents (sales side of the suite).
CREATE TABLE V_MV_CPTE_ELECTRONICOS (
  TC varchar(6) NOT NULL,
  IDCOMPROBANTE char(13) NOT NULL,
  Fecha_CPTE datetime NULL,
  CAE varchar(20) NULL,
  VtoCAE datetime NULL
)
GO
-- Scratch rows of the numbering-gap report, keyed by workstation in Usuario.
CREATE TABLE AUX_MAYORES (
  Id int IDENTITY(1,1) PRIMARY KEY,
  Usuario varchar(50) NULL,
  NroComprobanteBancario varchar(60) NULL,
  fecha datetime NULL,
  vencimiento datetime NULL,
  [Importe-Debe] money NULL,
  [Importe-Haber] money NULL,
  AP_SUCURSAL char(4) NULL,
  AP_LETRA char(1) NULL
)
GO
-- The same counts under names the report engine can read (it takes plain identifiers only).
CREATE VIEW AUX_MAYORES_CANTIDADES AS SELECT Id, [Importe-Debe] AS Presentes, [Importe-Haber] AS Faltantes FROM AUX_MAYORES
GO
-- Missing-article notices raised from the lookup list.
CREATE TABLE V_MV_FALTANTES (
  Id int IDENTITY(1,1) PRIMARY KEY,
  FechaHora datetime NULL,
  IdArticulo varchar(25) NULL,
  Descripcion varchar(100) NULL,
  Usuario varchar(50) NULL
)
GO
-- Purchase and sale motives and the accounts used per motive and VAT condition.
CREATE TABLE V_TA_MotivoCpra (
  IdMotivoCpra char(4) NOT NULL PRIMARY KEY,
  Descripcion varchar(100) NULL
)
GO
CREATE TABLE V_TA_MotivoVta (
  IdMotivoVta char(4) NOT NULL PRIMARY KEY,
  Descripcion varchar(100) NULL
)
GO
CREATE TABLE V_TA_Input_Compras (
  IdMotivoCpra char(4) NOT NULL, CondIva char(4) NOT NULL,
  Repuestos varchar(15) NULL, Servicios varchar(15) NULL, Otros varchar(15) NULL,
  V_DFI_CTAVTA varchar(15) NULL, V_DFI_IMPINT varchar(15) NULL, V_DFI_PERCIB varchar(15) NULL,
  V_DFI_PERCIVA varchar(15) NULL, V_DFI_PERCGAN varchar(15) NULL, V_DFI_DESCUENTO varchar(15) NULL,
  C_CFI_CTACPRA varchar(15) NULL, C_CFI_IMPINT varchar(15) NULL, C_CFI_PERCIB varchar(15) NULL,
  C_CFI_PERCIVA varchar(15) NULL, C_CFI_PERCGAN varchar(15) NULL, C_CFI_DESCUENTO varchar(15) NULL,
  PG_DESCUENTO varchar(15) NULL, PG_RETGAN varchar(15) NULL, PG_RETIB varchar(15) NULL,
  PG_RETIVA varchar(15) NULL, PG_ANTICIPOS varchar(15) NULL, CB_DESCUENTO varchar(15) NULL,
  CB_RETGAN varchar(15) NULL, CB_RETIB varchar(15) NULL, CB_RETIVA varchar(15) NULL,
  CB_ANTICIPOS varchar(15) NULL, CFI_IVARI varchar(15) NULL, CFI_IVARNI varchar(15) NULL,
  C_CFI_IMPITC varchar(15) NULL, CFI_IVARI1 varchar(15) NULL, CFI_IVARI2 varchar(15) NULL
)
GO
CREATE TABLE V_TA_Input_Ventas (
  IdMotivoVta char(4) NOT NULL, CondIva char(4) NOT NULL,
  Repuestos varchar(15) NULL, Servicios varchar(15) NULL, Otros varchar(15) NULL,
  V_DFI_CTAVTA varchar(15) NULL, V_DFI_IMPINT varchar(15) NULL, V_DFI_PERCIB varchar(15) NULL,
  V_DFI_PERCIVA varchar(15) NULL, V_DFI_PERCGAN varchar(15) NULL, V_DFI_DESCUENTO varchar(15) NULL,
  C_CFI_CTACPRA varchar(15) NULL, C_CFI_IMPINT varchar(15) NULL, C_CFI_PERCIB varchar(15) NULL,
  C_CFI_PERCIVA varchar(15) NULL, C_CFI_PERCGAN varchar(15) NULL, C_CFI_DESCUENTO varchar(15) NULL,
  PG_DESCUENTO varchar(15) NULL, PG_RETGAN varchar(15) NULL, PG_RETIB varchar(15) NULL,
  PG_RETIVA varchar(15) NULL, PG_ANTICIPOS varchar(15) NULL, CB_DESCUENTO varchar(15) NULL,
  CB_RETGAN varchar(15) NULL, CB_RETIB varchar(15) NULL, CB_RETIVA varchar(15) NULL,
  CB_ANTICIPOS varchar(15) NULL, DFI_IVARI varchar(15) NULL, DFI_IVARNI varchar(15) NULL,
  COSTO_MERCADERIA varchar(15) NULL, V_DFI_IMPITC varchar(15) NULL
)
GO
CREATE TABLE V_TA_MotivoStock (IdMotivoStock char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE V_TA_MOTIVOS (CODIGO char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
-- Payment conditions.
CREATE TABLE V_TA_CPRA_VTA (
  IDCOND_CPRA_VTA char(4) NOT NULL PRIMARY KEY,
  Descripcion varchar(100) NULL,
  CantidadDias int NULL,
  HabilitadoPara varchar(4) NULL,
  DtoMaximo money NULL,
  FechaHora_Grabacion datetime NULL
)
GO
-- Small code tables of the suite (code and description).
CREATE TABLE V_TA_Bancos (IDBanco char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE V_TA_CATEGORIA (IDCategoria char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE V_TA_CATEGORIAARTICULO (idcategoria char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE V_TA_DESTINO (IDDestino char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE V_TA_ORIGEN (IDOrigen char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE V_TA_Rubros (IDRubro char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE V_TA_TipoArticulo (IDTIPO char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE V_TA_Unidad (IDUnidad char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE V_TA_Tareas (IDTarea char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE V_TA_Tecnicos (IDTecnico char(4) NOT NULL PRIMARY KEY, Nombre varchar(100) NULL)
GO
CREATE TABLE V_TA_STATUS (CODIGO char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE V_TA_TIPOACEITES (CODIGO char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE V_TA_VENDEDORES (idvendedor char(4) NOT NULL PRIMARY KEY, NOMBRE varchar(100) NULL)
GO
CREATE TABLE V_TA_PERCEPCION (IDPERCEPCION char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE V_TA_RETENCIONES (IDRETENCION char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE TA_ESTADOS (CODIGO char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
-- Cost centres (codes nest by prefix).
CREATE TABLE TA_CCOSTO (CODIGO varchar(10) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE TA_CLASIFICACIONES (CODIGO char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE TA_TIPOVEHICULO (CODIGO char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE TA_MARCAVEHICULO (CODIGO char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE TA_PAISES (CODIGO char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE TA_TIPICOS (CODIGO char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE TA_TIPODOCUMENTO (CODIGO char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE TA_CPRA_VTA (CODIGO char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE TA_Categoria (IDCategoria char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE TA_Deposito (IDDeposito char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE TA_MotivoStock (IDMotivoStock char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE TA_TipoArticulo (IDTIPO char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE TA_Rubros (IDRubro char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE ta_codigospostales (cp varchar(8) NOT NULL PRIMARY KEY, LOCALIDAD varchar(60) NULL, CODIGO varchar(8) NULL, DESCRIPCION varchar(60) NULL)
GO
-- Positions (codes nest by prefix).
CREATE TABLE MA_POSICIONES (IDPOSICION varchar(10) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
-- Contacts of suppliers and clients.
CREATE TABLE MA_CONTACTOS (
  idContacto char(6) NOT NULL PRIMARY KEY,
  Nombre_y_Apellido varchar(100) NULL,
  Domicilio varchar(100) NULL,
  Localidad varchar(60) NULL,
  Telefono varchar(40) NULL,
  Email varchar(100) NULL,
  Cuenta varchar(15) NULL,
  Codigo varchar(15) NULL,
  Razon_Social varchar(100) NULL
)
GO
-- Remaining lookup sources of the suite (transport, maintenance, quotations, e-mail, cattle lots).
CREATE TABLE MA_MODELOS (NOMBRE varchar(60) NOT NULL, Marca varchar(60) NULL)
GO
CREATE TABLE MA_CHOFERES (CODIGO char(4) NOT NULL PRIMARY KEY, APELLIDO varchar(60) NULL, NOMBRES varchar(60) NULL)
GO
CREATE TABLE MA_DESTINATARIOS (Cliente char(4) NOT NULL, Codigo char(16) NOT NULL, Sucursal char(6) NOT NULL, Nombre varchar(100) NULL, Domicilio varchar(100) NULL)
GO
CREATE TABLE MA_VEHICULOS (PATENTE varchar(10) NOT NULL PRIMARY KEY, TIPO_VEHICULO varchar(30) NULL, MARCA varchar(30) NULL, MODELO varchar(30) NULL, TIPO varchar(30) NULL)
GO
CREATE TABLE MV_EJERCICIOS (PERIODO int NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL, Desde datetime NULL, Hasta datetime NULL)
GO
CREATE TABLE V_MA_MANTENIMIENTOS (CODIGO varchar(25) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL, CUENTA varchar(15) NULL)
GO
CREATE TABLE V_MV_COTIZAR (IDARTICULO varchar(25) NOT NULL, COT_OBSERVACIONES varchar(255) NULL)
GO
CREATE TABLE V_MA_EMAIL (Evento varchar(60) NOT NULL, Destinatario varchar(100) NULL)
GO
CREATE TABLE V_MV_TROPA (id int NOT NULL PRIMARY KEY, FechaDte datetime NULL, Dte varchar(20) NULL, IdTropa varchar(20) NULL, Patente varchar(10) NULL, Chofer varchar(60) NULL, NroGuia varchar(20) NULL, CuitVendedor varchar(13) NULL)
GO
CREATE TABLE V_MV_TROPA_STOCK (id int NOT NULL PRIMARY KEY, idTropa varchar(20) NULL, categoria varchar(20) NULL, secuencia int NULL, lado varchar(4) NULL, kg decimal(18,2) NULL, comprador varchar(60) NULL, fecha datetime NULL, idPlanilla int NULL)
GO
CREATE TABLE VT_MAPINFO_CALLES (STREET varchar(100) NOT NULL)
GO
CREATE TABLE MAPINFO_LOCALIDADES (LOCALIDAD varchar(60) NOT NULL, PARTIDO varchar(60) NULL, Cod_postal varchar(8) NULL)
GO
-- Code tables of the suite's personnel subsystem, reached through the generic lookups.
CREATE TABLE P_TA_NIVELESTUDIO (IDNIVELESTUDIO char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_CONOCIMIENTOS (IDCONOCIMIENTO char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_Categorizacion (IDCategorizacion char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_CentroMedico (IDCentroMedico char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_FormasDePago (IDFormasDePago char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_ZONARESIDENCIA (IDZONARESIDENCIA char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_ObraSocial (IDObraSocial char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_MotivoEgreso (IDMotivoEgreso char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_Grupos (IDGrupo char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_EstadoBusqueda (IDEstadoBusqueda char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_Areas (IDAreas char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_IDIOMAS (IDIDIOMA char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_TITULOs (IDTITULO char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_ESTADOPOSTULANTE (IDESTADOPOSTULANTE char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_Parentesco (IDParentesco char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_EstadoCivil (IDEstadoCivil char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_SINDICATOS (IdSindicato char(4) NOT NULL PRIMARY KEY, Descripcion varchar(100) NULL)
GO
CREATE TABLE P_TA_Funciones (IDFunciones char(4) NOT NULL PRIMARY KEY, DESCRIPCION varchar(100) NULL)
GO
CREATE TABLE P_MA_Empresas (IDEmpresa char(4) NOT NULL PRIMARY KEY, NombreEmpresa varchar(100) NULL)
GO
CREATE TABLE P_MA_Clientes (IDCLIENTE char(4) NOT NULL PRIMARY KEY, RAZON_SOCIAL varchar(100) NULL)
GO
-- Stored procedures of the embedded engine: one SQL Server statement per body, parameters as @Name.
CREATE TABLE rpq_procedures (
  name varchar(128) NOT NULL PRIMARY KEY,
  body text NOT NULL
)
GO
INSERT INTO rpq_procedures (name, body) VALUES ('sp1_getCfg', 'SELECT TOP 1 Valor, ValorAux FROM TA_CONFIGURACION WHERE Clave = @Campo')
GO
